#include "arena/arena_audio.h"

#include <cmath>

#include "arena/camera.h"
#include "audio/audio.h"
#include "fight/fighter.h"
#include "render/render.h"

void ServiceFightMusic(float step) { ServiceMusic(FightMusic, step); }

void PlaceListenerAtCamera() {
  // Fighter one's velocity as a unit vector; zero while fighter one stands still.
  const FightVector& v = Fighters[0].velocity;
  const float length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
  const float scale = length > 0.0f ? 1.0f / length : 0.0f;
  const float velocity[3] = {v.x * scale, v.y * scale, v.z * scale};
  const float at[3] = {ViewDirection.x, ViewDirection.y, ViewDirection.z};
  PlaceFightListener(ListenerPosition, velocity, at);
}
