#include "screens/menu_screens.h"

#include <GL/gl.h>

#include "app/training_session.h"
#include "fight/fight.h"
#include "render/render.h"
#include "screens/menu_clocks.h"
#include "screens/menu_widgets.h"
#include "screens/online_screen_rules.h"
#include "screens/screen_flow.h"
#include "screens/slide_offsets.h"

namespace {

// A label slides with its button; its position is cut to whole units, as the font was laid out.
float Slid(float base, float offset) { return static_cast<float>(static_cast<int>(base + offset)); }

// A button with its small-font label, both moved by the same offset.
void LabelledButton(float x, float y, float labelX, float labelY, const char* label, int slot) {
  DrawButtonAt(x, y, ScreenFlow.hover[slot]);
  PrintSmall(labelX, labelY, 1, "%s", label);
}

// Which of the main menu's parts a drawing takes: a hovered button pulses, so the kept picture
// holds the rest and the hovered buttons are drawn over it (no two buttons overlap).
enum class MainMenuParts { All, Resting, Hovered };
MainMenuParts PartsDrawn = MainMenuParts::All;

void LabelledButtonOfPart(float x, float y, float labelX, float labelY, const char* label, int slot) {
  const bool hovered = ScreenFlow.hover[slot];
  if (PartsDrawn == MainMenuParts::All || hovered == (PartsDrawn == MainMenuParts::Hovered)) {
    LabelledButton(x, y, labelX, labelY, label, slot);
  }
}

void DrawMainMenuParts() {
  if (PartsDrawn != MainMenuParts::Hovered) DrawMaskedBackground(1, 15);
  const float* rise = SlideOffsets.rise;
  struct Entry {
    float x;
    float labelX;
    const char* label;
  };
  static const Entry kEntries[5] = {
      {29, 38, " CAREER"}, {155, 154, "  FIGHT"}, {281, 284, "2 PLAYERS"}, {407, 409, "  OPTIONS"}, {533, 532, "   EXIT"}};
  for (int i = 0; i < 5; ++i) {
    const Entry& e = kEntries[i];
    LabelledButtonOfPart(e.x, 135 + rise[i], e.labelX, Slid(143, rise[i]), e.label, i);
  }
  // The second row, below the first.
  LabelledButtonOfPart(155, 85 + rise[5], 154, Slid(93, rise[5]), "  TRAINING", 5);
  LabelledButtonOfPart(407, 85 + rise[7], 409, Slid(93, rise[7]), "  REPLAY", 7);
  // The second row slides in with the button above it.
  LabelledButtonOfPart(281, 85 + rise[2], 287, Slid(93, rise[2]), "  ONLINE", 6);
}

void DrawRestingParts() {
  PartsDrawn = MainMenuParts::Resting;
  DrawMainMenuParts();
}

// What the resting part of the main menu depends on besides GL: where its buttons have slid to,
// which are hovered (and left out), and the small font's alpha.
struct MainMenuLook {
  float rise[8];
  bool hovered[8];
  float textAlpha;
};

}  // namespace

// Over the black of the clear the menu is the same picture until a button slides: kept and
// copied in, with the pulsing buttons drawn over it.
void DrawMainMenu() {
  if (!MenuOverClearFrame) {
    PartsDrawn = MainMenuParts::All;
    DrawMainMenuParts();
    return;
  }
  MainMenuLook look{};
  for (int i = 0; i < 8; ++i) {
    look.rise[i] = SlideOffsets.rise[i];
    look.hovered[i] = ScreenFlow.hover[i];
  }
  look.textAlpha = TextAlpha;
  // As the background leaves them before it draws.
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_LIGHTING);
  glDisable(GL_BLEND);
  DrawKeptPicture(DrawRestingParts, &look, sizeof look);
  PartsDrawn = MainMenuParts::Hovered;
  DrawMainMenuParts();
  PartsDrawn = MainMenuParts::All;
}

void DrawQuitConfirm() {
  DrawPlainBackground(true);
  PrintLarge(50, 355, 1, "     Do you really want to quit?");
  const float left = SlideOffsets.fromLeft[0];
  const float right = SlideOffsets.fromRight[0];
  LabelledButton(342 + left, 200, Slid(381, left), 208, "No", 3);
  LabelledButton(342 + right, 150, Slid(387, right), 158, "Yes", 4);
}

void DrawCareerMenu() {
  DrawPlainBackground(false);
  PrintLarge(312, 520, 1, "  CAREER");
  const float left = SlideOffsets.fromLeft[0];
  const float right = SlideOffsets.fromRight[0];
  const float rise = SlideOffsets.rise[0];
  LabelledButton(342 + left, 300, Slid(346, left), 308, "  NEW GAME", 0);
  LabelledButton(342 + right, 250, Slid(346, right), 258, " LOAD GAME", 1);
  LabelledButton(342, 200 + rise, 349, Slid(208, rise), "  BACK", 2);
}

void DrawDifficultySelect() {
  DrawPlainBackground(true);
  const SlideOffsetSet& s = SlideOffsets;
  LabelledButton(0, 10 + s.rise[0], 9, Slid(18, s.rise[0]), "  BACK", 0);
  LabelledButton(679, 10 + s.rise[1], 690, Slid(18, s.rise[1]), "  NEXT", 1);
  LabelledButton(342, 400 + s.fall[0], 346, Slid(408, s.fall[0]), "  EASY", 2);
  LabelledButton(342 + s.fromLeft[0], 350, Slid(346, s.fromLeft[0]), 358, "  NORMAL", 3);
  LabelledButton(342 + s.fromRight[0], 300, Slid(349, s.fromRight[0]), 308, "   HARD", 4);
  LabelledButton(342 + s.fromLeft[1], 250, Slid(349, s.fromLeft[1]), 258, "  RISKILY", 5);
  LabelledButton(342, 200 + s.rise[2], 349, Slid(208, s.rise[2]), "NIGHTMARE", 6);
  PrintLarge(250, 520, 1, "DIFFICULTY SELECTION");

  // The marks stand beside the chosen level at once; they do not slide.
  const int level = MatchState.difficulty;
  if (level >= 1 && level <= 5) {
    const float y = static_cast<float>(403 - 50 * (level - 1));
    BindTexture(64);
    DrawTexturedQuad(490, y, 515, y + 25);
    DrawTexturedQuad(285, y, 310, y + 25);
  }
}

void DrawPauseMenu() {
  DrawPlainBackground(false);
  PrintLarge(305, 520, 1, "  PAUSE");
  const float left = SlideOffsets.fromLeft[0];
  const float right = SlideOffsets.fromRight[0];
  const float rise = SlideOffsets.rise[0];
  LabelledButton(342 + left, 300, Slid(346, left), 308, "CONTINUE", 0);
  LabelledButton(342 + right, 250, Slid(346, right), 258, " RESTART", 1);
  LabelledButton(342, 200 + rise, 349, Slid(208, rise), "  EXIT", 3);
}

void DrawOnlineMenu() {
  DrawPlainBackground(false);
  PrintLarge(312, 520, 1, "  ONLINE");
  const float left = SlideOffsets.fromLeft[0];
  const float right = SlideOffsets.fromRight[0];
  const float rise = SlideOffsets.rise[0];
  LabelledButton(342 + left, 300, Slid(349, left), 308, "   HOST", 0);
  LabelledButton(342 + right, 250, Slid(349, right), 258, "   JOIN", 1);
  LabelledButton(342, 200 + rise, 349, Slid(208, rise), "  BACK", 2);
}

void DrawOnlineJoin() {
  DrawPlainBackground(true);
  const SlideOffsetSet& s = SlideOffsets;
  LabelledButton(0, 10 + s.rise[0], 9, Slid(18, s.rise[0]), "  BACK", 0);
  LabelledButton(679, 10 + s.rise[1], 686, Slid(18, s.rise[1]), " CONNECT", 1);
  PrintLarge(340, 520, 1, "JOIN");
  PrintSmall(200, 330, 1, "Address of the host (HOST or HOST:PORT):");
  // The caret after the typed text blinks once a second.
  const bool caret = static_cast<int>(MenuClocks.MenuPhase / 5.0f) % 2 == 0;
  PrintSmall(200, 290, 1, "%s%s", OnlineScreen.address.c_str(), caret ? "_" : "");
}

void DrawOnlineWaiting() {
  DrawPlainBackground(true);
  const float rise = SlideOffsets.rise[0];
  LabelledButton(0, 10 + rise, 9, Slid(18, rise), "  BACK", 0);
  PrintLarge(312, 520, 1, "  ONLINE");
  PrintSmall(120, 330, 1, "%s", OnlineScreen.message.c_str());
  PrintSmall(120, 300, 1, "%s", OnlineScreen.detail.c_str());
}

void DrawOnlineSetupNotice() {
  const OnlineScreenState& online = OnlineScreen;
  const char* waiting = online.versus ? "Waiting for the other player to press NEXT."
                                      : "Waiting for the other player to press FIGHT.";
  const char* line = online.localReady ? waiting : online.peerReady ? "The other player is ready." : "";
  PrintSmall(250, 20, 1, "%s", line);
}

void DrawTrainingMenu() {
  DrawPlainBackground(false);
  PrintLarge(290, 520, 1, "  TRAINING");
  const float left = SlideOffsets.fromLeft[0];
  const float right = SlideOffsets.fromRight[0];
  const float rise = SlideOffsets.rise[0];
  LabelledButton(342 + left, 450, Slid(346, left), 458, "CONTINUE", 0);
  LabelledButton(342 + right, 400, Slid(346, right), 408, "  DUMMY", 1);
  LabelledButton(342 + left, 350, Slid(346, left), 358, "  LEVEL", 2);
  LabelledButton(342 + right, 300, Slid(346, right), 308, " TEMPER", 5);
  LabelledButton(342 + left, 250, Slid(346, left), 258, "  RESET", 3);
  LabelledButton(342, 200 + rise, 349, Slid(208, rise), "  EXIT", 4);
  // The values beside their buttons.
  PrintSmall(475, 408, 1, "%s", DummyModeName(Training.dummy));
  PrintSmall(475, 358, 1, "%d", Training.computerLevel);
  if (Training.computerTemperament == 0) {
    PrintSmall(475, 308, 1, "THE DUMMY'S OWN");
  } else {
    PrintSmall(475, 308, 1, "%d   (1 CALM - 7 FIERCE)", Training.computerTemperament);
  }
  PrintSmall(475, 258, 1, "R reset   T save reset point");
}
