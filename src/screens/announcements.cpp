#include <GL/gl.h>

#include "app/game_options.h"
#include "app/settings.h"
#include "fight/fight.h"
#include "render/render.h"
#include "render/texture_slots.h"
#include "screens/hud_rules.h"
#include "screens/menu_widgets.h"
#include "screens/overlay_projection.h"
#include "screens/screen_flow.h"
#include "screens/screens.h"
#include "screens/subtitles.h"

namespace {

void DrawRoundBanner() {
  const float t = ShownFight.match.RoundClock;
  if (!(t > -1 && t < 5)) return;
  // Rounds after the first come up from black while their banner stands.
  if (ShownFight.match.roundNumber != 1) DrawBlackVeil(1 - t);

  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);
  const IntroPicture picture = IntroPictureAt(t, ShownFight.match.roundNumber);
  if (picture.texture >= 0) {
    glColor4f(1, 1, 1, picture.alpha);
    BindTexture(picture.texture);
    DrawTexturedQuad(272, 340, 272 + 256, 340 + 128);
  }
  glDisable(GL_BLEND);
  glColor4f(1, 1, 1, 1);
}

// The knock-out's moment: the whole picture flashes white and fades back within a third of a second.
constexpr float kKnockoutFlashSeconds = 0.35f;

void DrawWhiteFlash(float opacity) {
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);
  glColor4f(1, 1, 1, opacity);
  FillWholeFrame();
  glColor4f(1, 1, 1, 1);
}

int WinnerBanner() {
  const FighterStatus* s = ShownFight.status;
  if (ScreenFlow.careerMode || ShownFight.match.gameMode == QuickFight) {
    if (s[0].wonRound) return TextureSlot::kYouWin;
    if (s[1].wonRound) return TextureSlot::kYouLose;
    return -1;
  }
  // Two players are told apart by character.
  return TextureSlot::WinnerBanner(ShownFight.match.winnerCharacter);
}

bool CareerJustCompleted() {
  return ShownFight.match.arena == 7 && ScreenFlow.careerMode && ShownFight.status[0].wonRound &&
         ShownFight.status[1].roundsLost == 2;
}

// The career fight's monologue, as words at the foot of the picture.
void DrawFightMonologLine() {
  if (!SubtitlesShown(UserOptions.subtitles, Settings.soundOn)) return;
  const SpokenMoment heard = FightMonologMoment(ShownFight.match);
  if (heard.recording.empty()) return;
  BeginFightOverlay();
  DrawSpokenLine(heard.recording, heard.seconds, kSubtitlesUnderPictures);
  EndFightOverlay();
}

}  // namespace

void DrawRoundIntro() {
  BeginFightOverlay();
  DrawRoundBanner();
  EndFightOverlay();
}

void DrawKnockoutOverlay() {
  BeginFightOverlay();
  const float t = ShownFight.match.RoundClock;
  if (t >= 0 && t < kKnockoutFlashSeconds) DrawWhiteFlash(0.45f * (1 - t / kKnockoutFlashSeconds));
  if (t > 2 && t < 5) {
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glColor4f(1, 1, 1, t - 2);
    const int banner = WinnerBanner();
    if (banner >= 0) {
      BindTexture(banner);
      DrawTexturedQuad(200, 340, 650, 400);
    }
    if (CareerJustCompleted()) {
      BindTexture(TextureSlot::kChampion);
      DrawTexturedQuad(200, 280, 650, 340);
    }
  }
  if (t > 7) DrawBlackVeil(t - 7);
  glDisable(GL_BLEND);
  glColor4f(1, 1, 1, 1);
  EndFightOverlay();
}

void DrawFightOverlays() {
  DrawHud();
  DrawFightMonologLine();
  if (ShownFight.introShown) DrawRoundIntro();
  if (ShownFight.knockoutShown) DrawKnockoutOverlay();
}
