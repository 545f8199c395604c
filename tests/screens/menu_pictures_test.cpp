// The menus look the same whether they know the frame under them is only the black of its clear
// (and skip the passes that multiply it) or draw every pass; over a fight's last picture the
// passes are still drawn. The fight's fades and flash cover a wide frame to its edges.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "app/fight_wiring.h"
#include "app/frame_clock.h"
#include "app/settings.h"
#include "fight/fight.h"
#include "platform/platform.h"
#include "render/render.h"
#include "screens/menu_clocks.h"
#include "screens/prefight_slides.h"
#include "screens/screen_flow.h"
#include "screens/screens.h"

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 300;

using Picture = std::vector<unsigned char>;

Picture ReadPicture() {
  Picture rgb(static_cast<std::size_t>(kWidth) * kHeight * 3);
  glFinish();
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
  return rgb;
}

int DifferingPixels(const Picture& a, const Picture& b) {
  int differing = 0;
  for (std::size_t i = 0; i < a.size(); i += 3) {
    differing += a[i] != b[i] || a[i + 1] != b[i + 1] || a[i + 2] != b[i + 2];
  }
  return differing;
}

int LitPixels(const Picture& p) {
  int lit = 0;
  for (std::size_t i = 0; i < p.size(); i += 3) lit += p[i] + p[i + 1] + p[i + 2] > 30;
  return lit;
}

// One menu frame over a frame cleared to `grey` (0 is the game's black).
Picture DrawMenuFrame(GameState state, bool overClearFrame, float grey) {
  glClearColor(grey, grey, grey, 0.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
  glLoadIdentity();
  ScreenFlow.gameState = state;
  ClearDrawnMarks();
  DrawMenus(overClearFrame);
  HoldUndrawnModels();
  glEnable(GL_LIGHTING);
  return ReadPicture();
}

class MenuPictures : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ready = StartWindowSystem() &&
            OpenGameWindow("menu pictures test", kWidth, kHeight, 32, 24, false) == WindowFailure::Created;
    if (!ready) return;
    SetStartupGlState();
    ready = LoadStartupImagesAndFonts() && BuildLightingProgram();
    if (!ready) return;
    Settings.soundOn = false;
    Settings.musicOn = false;
    InstallFightHooks();
    LoadRoster();
    LoadTextureBank();
    LoadTgaTextures();
  }
  static void TearDownTestSuite() {
    ShutdownRenderer();
    ReleaseGlContext();
    DeleteGlContext();
    DestroyGameWindowHandle();
    StopWindowSystem();
  }
  void SetUp() override {
    if (!ready) GTEST_SKIP() << "no GL window or content (run from the build folder under Xvfb)";
    glViewport(0, 0, kWidth, kHeight);
    // A still frame half-way through the fade-in: both pictures of a screen see the same clocks.
    FrameClock.step = 0.0f;
    MenuClocks.MenuFadeClock = 0.5f;
    MatchState.arena = 4;
    MatchState.character[0] = 1;
    MatchState.character[1] = 6;
    // The versus screen's picture, title and previews where they come to rest.
    PreFightSlides.previewSlide = 1.1f;
    PreFightSlides.pictureSlide = 800.0f;
    PreFightSlides.captionSlide = 800.0f;
  }
  static bool ready;
};

bool MenuPictures::ready = false;

TEST_F(MenuPictures, SkippingThePassesThatMultiplyBlackChangesNoPixel) {
  const GameState screens[] = {GameState::MainMenu, GameState::Options, GameState::MoreOptions,
                               GameState::Controls, GameState::PreFight};
  for (GameState state : screens) {
    SCOPED_TRACE(static_cast<int>(state));
    const Picture skipped = DrawMenuFrame(state, true, 0.0f);
    const Picture everyPass = DrawMenuFrame(state, false, 0.0f);
    // The next still frames keep the background (or the whole menu) and copy it in.
    const Picture kept = DrawMenuFrame(state, true, 0.0f);
    const Picture copied = DrawMenuFrame(state, true, 0.0f);
    EXPECT_GT(LitPixels(everyPass), kWidth * kHeight / 20) << "nearly black";
    EXPECT_EQ(DifferingPixels(skipped, everyPass), 0);
    EXPECT_EQ(DifferingPixels(kept, everyPass), 0);
    EXPECT_EQ(DifferingPixels(copied, everyPass), 0);
  }
}

// A hovered button pulses over the kept rest of the main menu: the same picture as drawn whole.
TEST_F(MenuPictures, APulsingButtonOverTheKeptMainMenuLooksAsDrawnWhole) {
  ScreenFlow.hover[1] = true;
  MenuClocks.MenuPulse = 1.2f;  // the button at 1.047 times its size
  const Picture everyPass = DrawMenuFrame(GameState::MainMenu, false, 0.0f);
  for (int frame = 0; frame < 3; ++frame) {
    EXPECT_EQ(DifferingPixels(DrawMenuFrame(GameState::MainMenu, true, 0.0f), everyPass), 0) << frame;
  }
  ScreenFlow.hover[1] = false;
  // Without the pulse the button is smaller: the kept picture must not be the hovered one's.
  const Picture resting = DrawMenuFrame(GameState::MainMenu, false, 0.0f);
  EXPECT_GT(DifferingPixels(resting, everyPass), 100);
  for (int frame = 0; frame < 3; ++frame) {
    EXPECT_EQ(DifferingPixels(DrawMenuFrame(GameState::MainMenu, true, 0.0f), resting), 0) << frame;
  }
}

TEST_F(MenuPictures, OverAFightsPictureTheVersusBackdropIsStillDrawn) {
  // Grey stands for the fight: skipping the backdrop would leave it around the arena picture.
  const Picture skipped = DrawMenuFrame(GameState::PreFight, true, 0.6f);
  const Picture everyPass = DrawMenuFrame(GameState::PreFight, false, 0.6f);
  EXPECT_GT(DifferingPixels(skipped, everyPass), kWidth * kHeight / 10);
}

// The fight's picture fills a wide window beyond the 4:3 area of the overlays: the fades to and from
// black and the knock-out's flash must reach its edges, not stop at the 4:3 area's.
TEST_F(MenuPictures, TheFightsFadesAndFlashReachTheEdgesOfAWideFrame) {
  constexpr int kWideHeight = kHeight / 2;  // 8:3, its 4:3 area the middle half
  constexpr int kSide = 5, kMiddle = kWidth / 2, kLowRow = 10;  // below the round's banner
  const auto pixel = [](int x, int y) {
    unsigned char rgb[3] = {};
    glReadPixels(x, y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
    return rgb[0] + 256 * (rgb[1] + 256 * rgb[2]);
  };
  const auto overGrey = [&](bool intro, int round, float clock) {
    glViewport(0, 0, kWidth, kWideHeight);
    glClearColor(0.5f, 0.5f, 0.5f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    const int grey = pixel(kSide, kLowRow);
    ShownFight = FightOverlayState{};
    ShownFight.match.roundNumber = round;
    ShownFight.match.RoundClock = clock;
    if (intro) {
      ShownFight.introShown = true;
      DrawRoundIntro();
    } else {
      ShownFight.knockoutShown = true;
      DrawKnockoutOverlay();
    }
    glFinish();
    return grey;
  };
  struct Moment {
    const char* what;
    bool intro;
    int round;
    float clock;
  };
  for (const Moment& m : {Moment{"round two comes up from black", true, 2, 0.5f},
                          Moment{"the knock-out's flash", false, 1, 0.1f},
                          Moment{"the round's end fades to black", false, 1, 7.5f}}) {
    const int grey = overGrey(m.intro, m.round, m.clock);
    EXPECT_NE(pixel(kMiddle, kLowRow), grey) << m.what;
    EXPECT_EQ(pixel(kSide, kLowRow), pixel(kMiddle, kLowRow)) << m.what;
    EXPECT_EQ(pixel(kWidth - 1 - kSide, kWideHeight - 1), pixel(kMiddle, kLowRow)) << m.what;
  }
  overGrey(false, 1, 8.5f);
  for (int x : {kSide, kMiddle, kWidth - 1 - kSide}) EXPECT_EQ(pixel(x, kLowRow), 0) << "all black, at " << x;
  ShownFight = FightOverlayState{};
}

}  // namespace
