#include <GL/gl.h>

#include "app/frame_clock.h"
#include "app/pointer.h"
#include "render/render.h"
#include "screens/menu_clocks.h"
#include "screens/menu_screens.h"
#include "screens/menu_widgets.h"
#include "screens/screen_flow.h"
#include "screens/screens.h"
#include "screens/slide_offsets.h"

namespace {

void SetMenuMaterial() {
  const GLfloat ambient[4] = {0.1f, 0.1f, 0.1f, 1};
  const GLfloat diffuse[4] = {1, 1, 1, 1};
  const GLfloat black[4] = {0, 0, 0, 1};
  glMaterialfv(GL_FRONT, GL_AMBIENT, ambient);
  glMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
  glMaterialfv(GL_FRONT, GL_SPECULAR, black);
  glMaterialfv(GL_FRONT, GL_EMISSION, black);
  glMaterialf(GL_FRONT, GL_SHININESS, 1);
}

void BeginMenuProjection() {
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  LoadMenuProjection();
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);
}

bool Is(GameState state) { return ScreenFlow.gameState == state; }

// In this order: a screen that leaves itself while drawn (the story's end) lets a later one draw.
void DrawCurrentScreen() {
  if (Is(GameState::MainMenu)) DrawMainMenu();
  if (Is(GameState::QuitConfirm)) DrawQuitConfirm();
  if (Is(GameState::CareerMenu)) DrawCareerMenu();
  if (Is(GameState::DifficultySelect)) DrawDifficultySelect();
  if (Is(GameState::CareerStory)) DrawCareerStory();
  if (Is(GameState::PreFight)) DrawVersusScreen();
  if (Is(GameState::Pause)) DrawPauseMenu();
  if (Is(GameState::TrainingMenu)) DrawTrainingMenu();
  if (Is(GameState::Options)) DrawOptionsScreen();
  if (Is(GameState::MoreOptions)) DrawMoreOptionsScreen();
  if (Is(GameState::Controls)) DrawControlsScreen();
  if (Is(GameState::OnlineMenu)) DrawOnlineMenu();
  if (Is(GameState::OnlineJoin)) DrawOnlineJoin();
  if (Is(GameState::OnlineWaiting)) DrawOnlineWaiting();
  if (Is(GameState::OnlineSetup)) {
    DrawTwoPlayerScreen();
    DrawOnlineSetupNotice();
  }
  if (Is(GameState::TwoPlayerSetup)) DrawTwoPlayerScreen();
}

// The screen comes up from black within a second; the two screens with fighters come up at once.
void DrawFadeIn() {
  if (MenuClocks.MenuFadeClock >= 1 || Is(GameState::TwoPlayerSetup) || Is(GameState::PreFight)) return;
  glDisable(GL_LIGHTING);
  glDisable(GL_DEPTH_TEST);
  DrawBlackVeil(1 - MenuClocks.MenuFadeClock);
  glDisable(GL_BLEND);
  glColor4f(1, 1, 1, 1);
}

}  // namespace

void DrawMenus(bool overClearFrame) {
  MenuOverClearFrame = overClearFrame;
  const float step = FrameClock.step;
  EaseSlideOffsets(step);
  AdvanceMenuClocksAtFrameStart(step);

  SetMenuMaterial();
  BeginMenuProjection();

  DrawCurrentScreen();
  // The versus screen drew its pointer and left the flat projection itself, before its previews.
  const bool versus = Is(GameState::PreFight);
  if (!versus) DrawFadeIn();
  AdvanceMenuClocksAfterFade(step);

  if (!versus) {
    ReadPointer();
    DrawPointer();
    FinishFlatMenu();
  }
  if (Is(GameState::TwoPlayerSetup) || Is(GameState::OnlineSetup)) DrawTwoPlayerPreviews();
}
