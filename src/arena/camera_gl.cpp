#include <GL/glu.h>

#include "app/frame_clock.h"
#include "arena/arena.h"
#include "arena/arena_audio.h"
#include "fight/fight.h"

// Reads the fighters' positions and writes nothing of the fight: the fight's state must not depend
// on how often it is drawn (replays, online play).
void ApplyCamera(bool skipAudio) {
  const FightVector& a = Fighters[0].position;
  const FightVector& b = Fighters[1].position;
  const float one[3] = {a.x, a.y, a.z};
  const float two[3] = {b.x, b.y, b.z};
  const CameraView view = AdvanceCamera(one, two, MatchState.roundOver, FrameClock.step);
  gluLookAt(view.eye[0], view.eye[1], view.eye[2], view.centre[0], view.centre[1], view.centre[2], 0.0, 1.0, 0.0);
  if (!skipAudio) PlaceListenerAtCamera();
}
