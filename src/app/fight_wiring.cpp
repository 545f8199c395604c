#include "app/fight_wiring.h"

#include "app/fight_sound_wiring.h"
#include "app/frame_clock.h"
#include "app/game_options.h"
#include "app/pad_commands.h"
#include "arena/arena.h"
#include "fight/fight.h"
#include "fight/fight_hooks.h"
#include "platform/platform.h"
#include "render/render.h"
#include "screens/screens.h"
#include "screens/subtitles.h"

namespace {

static_assert(kHitParticleCount == kHitParticlesPerSet, "one particle per launched velocity");
static_assert(static_cast<int>(FightSound::MenuClick) == kFightSoundCount, "MenuClick follows the fight sounds");

constexpr float kVictimRumble = 0.8f;
constexpr float kStrikerRumble = 0.35f;
constexpr int kHitRumbleMs = 180;
// Above the point a blow meets the body: where the blocking fighter's forearms are.
constexpr float kGuardLift = 0.7f;

// A landed hit shakes the pad of the fighter hit, and a little the pad of the one who struck.
void RumbleForHit(int victim) {
  if (!UserOptions.rumble) return;
  int slotOf[2];
  PadsOfFighters(Pads, MatchState.gameMode == TwoPlayers, ActiveFightBindings, slotOf);
  for (int fighter = 0; fighter < 2; ++fighter) {
    if (slotOf[fighter] < 0) continue;
    RumblePad(Pads.slot[slotOf[fighter]].id, fighter == victim ? kVictimRumble : kStrikerRumble, kHitRumbleMs);
  }
}


struct GameFightHooks final : FightHooks {
  void PlaySound(FightSound sound) override { PlayFightSoundNumber(static_cast<int>(sound)); }
  void StopSound(FightSound sound) override { StopFightSoundNumber(static_cast<int>(sound)); }
  bool IsSoundPlaying(FightSound sound) override { return IsFightSoundNumberPlaying(static_cast<int>(sound)); }

  void RewindMenuMusic() override { RewindMenuMusicTrack(); }
  void OpenFightMusic(int track) override { OpenFightMusicTrack(track); }
  void PlayFightMusic() override { PlayFightMusicTrack(); }
  void RewindFightMusic() override { RewindFightMusicTrack(); }
  void ReleaseFightMusic() override { ReleaseFightMusicTrack(); }
  void RequestMenuMusic() override { RequestMenuMusicAfterFight(); }

  bool LoadFighterModel(int character, const char* folder) override {
    return FighterModels[character].Load(".\\base\\fighters\\", folder, 0);
  }
  void SetAnimation(int character, const char* animation) override { FighterModels[character].SetAnimation(animation); }

  // The menus' kept background is not shown during the fight: its memory goes to the arena.
  void LoadArenaMeshes(int arena) override {
    ReleaseKeptPicture();
    ::LoadArenaMeshes(arena);
  }
  void BuildArenaLights() override { ::BuildArenaLights(); }
  void DestroyArenaMeshes() override { ::DestroyArenaMeshes(); }

  void SetCameraFightStart() override { StartFightCamera(); }
  void ResetCameraSway() override { ::ResetCameraSway(); }
  void SetListenerPosition(const FightVector& position) override {
    ListenerPosition[0] = position.x;
    ListenerPosition[1] = position.y;
    ListenerPosition[2] = position.z;
    ListenerPosition[3] = position.w;
  }
  void SetViewDirection(const FightVector& direction) override {
    ViewDirection = Vector3{direction.x, direction.y, direction.z};
  }

  void DeactivateHitParticles() override {
    ::DeactivateHitParticles();
    ClearImpactFlashes();
  }
  void LaunchHitParticles(int victim, const FightVector& hitPosition,
                          const float (&velocities)[kHitParticleCount][3]) override {
    const float position[3] = {hitPosition.x, hitPosition.y, hitPosition.z};
    ::LaunchHitParticles(HitParticleSets[victim], position, velocities);
    RumbleForHit(victim);
    // The flash sits where the sparks start: lifted like them by the attacker's kind of blow.
    const float lift = HitParticleLift(FighterStatuses[1 - victim].attackKind);
    const float flashAt[3] = {position[0], position[1] + lift, position[2]};
    LaunchImpactFlash(victim, ImpactKind::Hit, flashAt);
  }
  void LaunchBlockFlash(int victim, const FightVector& position) override {
    // Whatever the blow, it meets the blocking pose's forearms before the face.
    const float guard[3] = {position.x, position.y + kGuardLift, position.z};
    LaunchImpactFlash(victim, ImpactKind::Block, guard);
  }

  void CentrePointer() override { WarpPointer(320, 240); }

  void StartFightMonolog(int arena) override { StartFightMonologOf(arena); }
  void StopFightMonolog() override { StopFightMonologNow(); }
  void LoadStoryImages(int arena) override { LoadStoryPictures(arena); }
  void StartStoryMonolog(int arena) override {
    StartStoryMonologOf(arena);
    NoteStoryMonologStart(arena, FrameClock.lastSeconds);
  }

  void ResetPreFightSlides() override { ::ResetPreFightSlides(); }
  void ResetMenuTransition() override { ::ResetMenuTransition(); }
};

GameFightHooks gameHooks;

}  // namespace

void InstallFightHooks() { SetFightHooks(&gameHooks); }
