// Whole fights in every arena with the real content, renderer and hooks: each reaches its live
// round, a landed hit shows its sparks, and a knock-out follows. Screenshots of the intro, the hit
// and the knock-out (its flash and the fall) go to test-artifacts/arena/ in the build folder.
#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>
#include <png.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/fight_bindings.h"
#include "app/fight_wiring.h"
#include "app/frame_clock.h"
#include "app/input_state.h"
#include "app/settings.h"
#include "arena/arena.h"
#include "fight/fight.h"
#include "platform/platform.h"
#include "render/render.h"
#include "screens/screen_flow.h"
#include "screens/screen_rules.h"
#include "screens/screens.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr float kStep = 4.9f;  // the longest step that still runs the fight: fewest frames per fight
constexpr int kForward = 'B';  // fighter one's step forward
constexpr int kHeadKey = 'Z';  // fighter one's hand to head

const std::filesystem::path kArtifacts = "test-artifacts/arena";

struct Picture {
  std::vector<unsigned char> rgb;
  double Brightness() const {  // mean of the channels, 0..255
    double sum = 0;
    for (unsigned char v : rgb) sum += v;
    return rgb.empty() ? 0 : sum / rgb.size();
  }
  int Lit() const {
    int lit = 0;
    for (std::size_t i = 0; i + 2 < rgb.size(); i += 3) lit += rgb[i] + rgb[i + 1] + rgb[i + 2] > 45;
    return lit;
  }
};

Picture ReadBackBuffer() {
  Picture picture;
  picture.rgb.resize(kWidth * kHeight * 3);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, picture.rgb.data());
  return picture;
}

void SavePng(const Picture& picture, const std::string& name) {
  std::filesystem::create_directories(kArtifacts);
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = kWidth;
  image.height = kHeight;
  image.format = PNG_FORMAT_RGB;
  // GL rows run bottom-up; a negative stride tells libpng so.
  const std::string path = (kArtifacts / name).string();
  EXPECT_TRUE(png_image_write_to_file(&image, path.c_str(), 0, picture.rgb.data(), -kWidth * 3, nullptr)) << path;
}

class FightEndToEnd : public ::testing::TestWithParam<int> {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(StartWindowSystem());
    ASSERT_EQ(OpenGameWindow("fight end to end", kWidth, kHeight, 32, 24, false), WindowFailure::Created);
    SetStartupGlState();
    ASSERT_TRUE(LoadStartupImagesAndFonts());
    ASSERT_TRUE(BuildLightingProgram());
    Settings.soundOn = false;
    Settings.musicOn = false;
    InstallFightHooks();
    LoadRoster();
    ASSERT_TRUE(LoadTextureBank());
    LoadTgaTextures();
    LampModel = new Ms3dModel;
    LampModel->Load(".\\base\\maps\\1\\lamp\\lamp.ms3d");
    LampModel->LoadTextures();

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60.0, static_cast<double>(kWidth) / kHeight, 0.1, 400.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
  }
  static void TearDownTestSuite() {
    delete LampModel;
    LampModel = nullptr;
    SetFightHooks(nullptr);
    ShutdownRenderer();
    ReleaseGlContext();
    DeleteGlContext();
    DestroyGameWindowHandle();
    StopWindowSystem();
  }

  // One frame as the frame loop runs it while the GameState is Fight. Frames that are not looked
  // at fill a small corner of the window: the rasteriser is most of a frame's cost.
  static void Frame(bool full = false) {
    if (full) {
      glViewport(0, 0, kWidth, kHeight);
    } else {
      glViewport(0, 0, kWidth / 4, kHeight / 4);
    }
    FrameClock.step = kStep;
    FrameClock.fightTick = true;
    AnimClock += 10.0f * kStep;
    ClearDrawnMarks();
    FighterCommand commands[2];
    BuildFighterCommands(KeyState, MatchState.gameMode == TwoPlayers, DefaultFightBindings(), commands);
    const MatchOutcome outcome = FightTick(commands, kStep, true);
    DrawArenaFrame();
    DrawFightOverlays();
    ApplyMatchOutcome(outcome);
    HoldUndrawnModels();
  }

  // Runs frames until `done` or the limit; false when the limit came first.
  template <typename Done>
  static bool RunUntil(Done done, int limit) {
    for (int frame = 0; frame < limit; ++frame) {
      if (done()) return true;
      Frame();
    }
    return done();
  }
};

TEST_P(FightEndToEnd, IntroLiveRoundLandedHitAndKnockout) {
  const int arena = GetParam();
  const std::string prefix = "arena" + std::to_string(arena) + "-";
  ScreenFlow.gameState = GameState::Fight;
  MatchState.gameMode = TwoPlayers;  // fighter two stands still: only fighter one's blows land
  MatchState.arena = arena;
  MatchState.character[0] = arena % 8;
  MatchState.character[1] = (arena + 3) % 8;
  PrepareFightStart();
  StartFight(arena, 1);

  // The round banner is up two seconds into the intro.
  ASSERT_TRUE(RunUntil([] { return MatchState.RoundClock > 2.0f; }, 200));
  Frame(true);
  const Picture intro = ReadBackBuffer();
  SavePng(intro, prefix + "intro.png");
  EXPECT_GT(intro.Lit(), kWidth * kHeight / 4) << "the arena is lit";
  ASSERT_TRUE(RunUntil([] { return MatchState.fightLive; }, 200)) << "the round goes live";

  // Fighter one walks in and swings at the head until a blow lands.
  KeyState[kForward] = 1;
  int frame = 0;
  const bool landed = RunUntil(
      [&frame] {
        KeyState[kHeadKey] = (++frame % 6) < 3;
        return FighterStatuses[1].life < 100.0f;
      },
      600);
  KeyState[kHeadKey] = 0;
  ASSERT_TRUE(landed) << "fighter one's blow lands";
  int sparks = 0;
  for (const HitParticle& p : HitParticleSets[1].particles) sparks += p.active;
  EXPECT_EQ(sparks, kHitParticlesPerSet) << "the whole burst flies in the frame of the hit";
  KeyState[kForward] = 0;
  Frame(true);
  const Picture hit = ReadBackBuffer();
  SavePng(hit, prefix + "hit.png");

  // The next landed blow knocks out: leave fighter two a sliver of life.
  FighterStatuses[1].life = 1.0f;
  frame = 0;
  const bool knockedOut = RunUntil(
      [&frame] {
        KeyState[kHeadKey] = (++frame % 6) < 3;
        return MatchState.knockoutActive;
      },
      600);
  KeyState[kHeadKey] = 0;
  ASSERT_TRUE(knockedOut);
  // The knock-out's moment flashes: its first frame is far brighter than the fall a second later.
  Frame(true);
  const Picture flash = ReadBackBuffer();
  SavePng(flash, prefix + "knockout-flash.png");
  RunUntil([] { return MatchState.RoundClock > 1.0f; }, 100);
  Frame(true);
  const Picture knockout = ReadBackBuffer();
  SavePng(knockout, prefix + "knockout.png");
  EXPECT_GT(flash.Brightness(), knockout.Brightness() + 20.0) << "the knock-out flashes";
  EXPECT_EQ(Fighters[1].shownAction, Death);

  EndFight(true);
  ScreenFlow.gameState = GameState::MainMenu;
}

INSTANTIATE_TEST_SUITE_P(EveryArena, FightEndToEnd, ::testing::Range(1, 8),
                         [](const ::testing::TestParamInfo<int>& param) { return "Arena" + std::to_string(param.param); });

}  // namespace
