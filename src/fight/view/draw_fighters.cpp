#include <GL/gl.h>

#include "fight/fight.h"
#include "fight/view/fight_view.h"
#include "render/render.h"

namespace {

void DrawFighter(int index) {
  Fighter& fighter = Fighters[index];
  const int character = MatchState.character[index];
  FighterModel& model = FighterModels[character];

  if (TakeActionChange(fighter.shownAction, fighter.action)) {
    if (const char* animation = AnimationForAction(fighter.action)) model.SetAnimation(animation);
  }
  BindTexture(FighterSkinTexture(character));

  const Matrix4 placement = FighterModelMatrix(index, fighter.position.x, fighter.position.y, fighter.position.z);
  glPushMatrix();
  glMultMatrixf(placement.m);
  UploadObjectSpaceLights(ComputeObjectSpaceLights(placement, SceneLights, ViewDirection));
  SetFighterMaterial();
  model.Draw();
  glPopMatrix();
}

}  // namespace

void DrawFighters() {
  DrawFighter(0);
  DrawFighter(1);
  glLoadIdentity();
}
