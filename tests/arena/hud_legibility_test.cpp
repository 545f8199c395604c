// The HUD's white lettering must stay readable over every arena: a live fight frame is drawn in each
// arena with the letters made invisible, and behind every place the HUD prints (the names, the
// round, "TIRED", the combo titles and their points) the 90th percentile of the background's
// relative luminance must leave white at least a 3 : 1 contrast. The frames, with and without the
// letters, go to test-artifacts/hud/ in the build folder.
#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
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
constexpr float kStep = 4.9f;
constexpr int kForward = 'B';  // fighter one's step forward
const std::filesystem::path kArtifacts = "test-artifacts/hud";

// Cells of the HUD's bitmap fonts on the 800 x 600 overlay (render/text_printer.cpp).
struct FontCells {
  float width, height, advance;
};
constexpr FontCells kLarge{34, 24, 18};
constexpr FontCells kSmall{21, 16, 10};

// A text's box on the overlay, lower-left corner at (x, y) with y up, as the HUD prints it.
struct TextBox {
  std::string what;
  float x, y;
  FontCells font;
  int characters;
  float Right() const { return x + font.advance * (characters - 1) + font.width; }
};

std::vector<TextBox> HudTextBoxes() {
  const auto name = [](int fighter) {
    return static_cast<int>(std::strlen(CharacterName(MatchState.character[fighter])));
  };
  return {
      {"fighter one's name", 15, 525, kLarge, name(0)},
      {"fighter two's name", 515, 525, kLarge, name(1)},
      {"Round 1", 335, 570, kLarge, 7},
      {"fighter one's TIRED", 20, 80, kLarge, 5},
      {"fighter two's TIRED", 560, 80, kLarge, 5},
      {"fighter one's ULTRA COMBO", 20, 160, kLarge, 11},
      {"fighter two's ULTRA COMBO", 560, 160, kLarge, 11},
      {"fighter one's combo points", 20, 150, kSmall, 10},
  };
}

struct Picture {
  std::vector<unsigned char> rgb;  // bottom row first, as GL reads it
};

Picture ReadBackBuffer() {
  Picture frame;
  frame.rgb.resize(kWidth * kHeight * 3);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, frame.rgb.data());
  return frame;
}

void SavePng(const Picture& frame, const std::string& name) {
  std::filesystem::create_directories(kArtifacts);
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = kWidth;
  image.height = kHeight;
  image.format = PNG_FORMAT_RGB;
  const std::string path = (kArtifacts / name).string();
  EXPECT_TRUE(png_image_write_to_file(&image, path.c_str(), 0, frame.rgb.data(), -kWidth * 3, nullptr)) << path;
}

// sRGB to linear light, and the relative luminance of a pixel.
double Linear(unsigned char v) {
  const double c = v / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
double Luminance(const unsigned char* p) {
  return 0.2126 * Linear(p[0]) + 0.7152 * Linear(p[1]) + 0.0722 * Linear(p[2]);
}

double NinetiethPercentileLuminance(const Picture& frame, const TextBox& box) {
  // Overlay units to window pixels; GL rows count from the bottom like the overlay's y.
  const int x0 = std::max(0, static_cast<int>(box.x * kWidth / 800));
  const int x1 = std::min(kWidth, static_cast<int>(std::ceil(box.Right() * kWidth / 800)));
  const int y0 = std::max(0, static_cast<int>(box.y * kHeight / 600));
  const int y1 = std::min(kHeight, static_cast<int>(std::ceil((box.y + box.font.height) * kHeight / 600)));
  std::vector<double> values;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) values.push_back(Luminance(&frame.rgb[(y * kWidth + x) * 3]));
  if (values.empty()) return 0;
  auto at = values.begin() + static_cast<std::ptrdiff_t>(0.9 * (values.size() - 1));
  std::nth_element(values.begin(), at, values.end());
  return *at;
}

double ContrastOfWhiteOver(double luminance) { return (1.0 + 0.05) / (luminance + 0.05); }

class HudLegibility : public ::testing::TestWithParam<int> {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(StartWindowSystem());
    ASSERT_EQ(OpenGameWindow("hud legibility", kWidth, kHeight, 32, 24, false), WindowFailure::Created);
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
    // A fully transparent font: the frame keeps everything but the letters.
    const unsigned char clear[4] = {0, 0, 0, 0};
    glGenTextures(1, &invisibleFont);
    glBindTexture(GL_TEXTURE_2D, invisibleFont);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, clear);

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60.0, static_cast<double>(kWidth) / kHeight, 0.1, 400.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
  }
  static void TearDownTestSuite() {
    glDeleteTextures(1, &invisibleFont);
    delete LampModel;
    LampModel = nullptr;
    SetFightHooks(nullptr);
    ShutdownRenderer();
    ReleaseGlContext();
    DeleteGlContext();
    DestroyGameWindowHandle();
    StopWindowSystem();
  }

  static void Frame(bool full, bool tick = true) {
    glViewport(0, 0, full ? kWidth : kWidth / 4, full ? kHeight : kHeight / 4);
    FrameClock.step = kStep;
    FrameClock.fightTick = tick;
    AnimClock += tick ? 10.0f * kStep : 0.0f;
    ClearDrawnMarks();
    MatchOutcome outcome{};
    if (tick) {
      FighterCommand commands[2];
      BuildFighterCommands(KeyState, MatchState.gameMode == TwoPlayers, DefaultFightBindings(), commands);
      outcome = FightTick(commands, kStep, true);
    }
    DrawArenaFrame();
    DrawFightOverlays();
    if (tick) ApplyMatchOutcome(outcome);
    HoldUndrawnModels();
  }

  // The frame as it is now, without its letters, then with them (no fight tick between).
  static Picture Background() {
    const unsigned int font = FontImage.texture;
    FontImage.texture = invisibleFont;
    Frame(true);
    FontImage.texture = font;
    return ReadBackBuffer();
  }

  static unsigned int invisibleFont;
};

unsigned int HudLegibility::invisibleFont = 0;

TEST_P(HudLegibility, WhiteLetteringKeepsThreeToOneOverTheArena) {
  const int arena = GetParam();
  ScreenFlow.gameState = GameState::Fight;
  MatchState.gameMode = TwoPlayers;  // fighter two stands still
  MatchState.arena = arena;
  MatchState.character[0] = arena % 8;
  MatchState.character[1] = (arena + 3) % 8;
  PrepareFightStart();
  StartFight(arena, 1);
  for (int frame = 0; frame < 400 && !MatchState.fightLive; ++frame) Frame(false);
  ASSERT_TRUE(MatchState.fightLive);

  // The settled view as the round goes live, and the view once fighter one has walked across.
  for (const char* moment : {"live", "walked"}) {
    if (std::string(moment) == "walked") {
      KeyState[kForward] = 1;
      for (int frame = 0; frame < 60; ++frame) Frame(false);
      KeyState[kForward] = 0;
    }
    for (FighterStatus& status : FighterStatuses) {
      status.tired = true;
      status.comboShown = true;
      status.comboLevel = 4;
      status.comboShowTime = 2.0f;
    }
    const Picture background = Background();
    Frame(true, false);
    const std::string prefix = "arena" + std::to_string(arena) + "-" + moment;
    SavePng(background, prefix + "-background.png");
    SavePng(ReadBackBuffer(), prefix + ".png");
    double lowest = 21;
    for (const TextBox& box : HudTextBoxes()) {
      const double luminance = NinetiethPercentileLuminance(background, box);
      lowest = std::min(lowest, ContrastOfWhiteOver(luminance));
      EXPECT_GE(ContrastOfWhiteOver(luminance), 3.0)
          << "arena " << arena << " (" << moment << "): " << box.what << " over luminance " << luminance;
    }
    std::printf("arena %d (%s): lowest contrast of white lettering %.2f : 1\n", arena, moment, lowest);
  }
  EndFight(true);
  ScreenFlow.gameState = GameState::MainMenu;
}

INSTANTIATE_TEST_SUITE_P(EveryArena, HudLegibility, ::testing::Range(1, 8),
                         [](const ::testing::TestParamInfo<int>& param) { return "Arena" + std::to_string(param.param); });

}  // namespace
