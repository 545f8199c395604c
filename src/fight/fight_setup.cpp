#include "app/settings.h"
#include "fight/fight_internal.h"

namespace {

constexpr int kFightTracks = 4;

}  // namespace

void PrepareFightStart() {
  Fighters[0].position = FightVector{-3.0f, 0.0f, 0.0f, 0.0f};
  Fighters[0].viewDir = Fighters[1].viewDir = FightVector{1.0f, 0.0f, 0.0f, 0.0f};
}

void StartFight(int arena, std::uint32_t seed) {
  MatchState.seed = seed;
  SeedFightRandom(seed);
  if (Settings.musicOn) Hooks().RewindMenuMusic();
  Hooks().LoadArenaMeshes(arena);
  Hooks().BuildArenaLights();
  ResetRound();
  ResetOpponent();
  if (MatchState.gameMode == Career) Hooks().StartFightMonolog(arena);
  BuildFightWorld();

  Hooks().OpenFightMusic(RandomBelow(kFightTracks) + 1);
  if (Settings.musicOn) Hooks().PlayFightMusic();
  Hooks().CentrePointer();

  MatchState.introActive = true;
  MatchState.knockoutActive = false;
  MatchState.roundOver = false;
  MatchState.roundNumber = 1;
  MatchState.matchOver = false;
  MatchState.fightLive = false;
  MatchState.RoundClock = MatchState.gameMode == Career ? kCareerFirstIntro : 0.0f;

  Hooks().SetCameraFightStart();
  Hooks().DeactivateHitParticles();
}

void ResetRound() {
  for (FighterStatus& x : FighterStatuses) {
    x.life = 100.0f;
    x.attacking = x.hitPending = x.inPain = x.tired = x.winPending = x.wonRound = false;
    x.attackTime = x.painTime = x.tiredness = 0.0f;
    x.lastComboKind = kNoAttackKind;
    x.comboLevel = 1;
  }
  StandAllModels();
  Fighters[0].action = Fighters[1].action = Stand;
  Fighters[1].canBlock = 1;
  Hooks().ResetCameraSway();
}

void FightUpdate(const FighterCommand (&commands)[2]) {
  RenewFightWorld();
  RunPlayerController(0, commands[0]);
  if (MatchState.gameMode == TwoPlayers) {
    RunPlayerController(1, commands[1]);
  } else {
    RunComputerController(MatchState.gameMode);
  }
  StepFightWorld();
}

void EndFight(bool toMenus) {
  DestroyFightWorld();
  Hooks().DestroyArenaMeshes();
  for (int s = 0; s < kFightSoundCount; ++s) Hooks().StopSound(static_cast<FightSound>(s));
  if (Settings.musicOn) Hooks().RewindFightMusic();
  Hooks().ReleaseFightMusic();
  if (toMenus && Settings.musicOn) Hooks().RequestMenuMusic();

  MatchState.knockoutActive = false;
  MatchState.RoundClock = 0.0f;
  MatchState.introActive = true;
  MatchState.roundNumber = 0;
  MatchState.roundOver = false;
  MatchState.fightLive = false;
  Hooks().ResetPreFightSlides();
  for (FighterStatus& x : FighterStatuses) {
    x.roundsLost = 0;
    x.comboShown = false;
    x.comboShowTime = 0.0f;
    x.comboActive = false;
    x.comboTime = 0.0f;
    x.comboHits = 0;
  }
  StandAllModels();
  Fighters[0].action = Fighters[1].action = Stand;
  if (MatchState.gameMode == Career) Hooks().StopFightMonolog();
}

void CloseFinishedMatch() {
  EndFight(true);
  for (int s = 0; s < kFightSoundCount; ++s) Hooks().StopSound(static_cast<FightSound>(s));
  if (Settings.soundOn) Hooks().PlaySound(FightSound::MenuClick);
  Hooks().ResetMenuTransition();
}
