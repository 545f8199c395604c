#include "arena/camera.h"

#include <cmath>

CameraState Camera;
float ListenerPosition[4] = {};

namespace {

constexpr float kSwayRate = 0.003f;
constexpr float kFullCycle = 6.2831855f;
constexpr float kPauseAfterCycle = -20.0f;  // about 6667 step units of stillness between cycles
constexpr float kSwayWidth = 0.3f;          // asin 0.3: about 17.5° to each side
constexpr float kEyeHeightAboveFighters = 1.9f;
constexpr float kEyeDistance = 6.5f;
constexpr float kListenerDistance = 6.4f;  // just in front of the eye, behind the fighters
constexpr float kCentreDistance = 30.0f;

// Moves current toward target by a share of the gap, unless the gap is inside the dead zone.
float Smooth(float current, float target, float rate, float deadZone, float step) {
  const float gap = std::fabs(target - current);
  if (target - current > deadZone) return current + gap * rate * step;
  if (current - target > deadZone) return current - gap * rate * step;
  return current;
}

void AdvanceSway(float step) {
  Camera.swayClock += kSwayRate * step;
  if (Camera.swayClock > 0.0f) {
    Camera.swayAngle += kSwayRate * step;
    Camera.swayDirection[0] = kSwayWidth * std::sin(Camera.swayAngle);
  }
  if (Camera.swayClock > kFullCycle) {
    Camera.swayClock = kPauseAfterCycle;
    Camera.swayAngle = 0.0f;
    Camera.swayDirection[2] = -1.0f;
  }
}

void NormaliseSwayDirection() {
  float* d = Camera.swayDirection;
  const float length = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
  // Before the first round reset the vector is zero; dividing would poison the view with NaN.
  if (length <= 0.0f) return;
  d[0] /= length;
  d[1] /= length;
  d[2] /= length;
}

}  // namespace

void StartFightCamera() {
  Camera.lookTarget[0] = 1.0f;
  Camera.lookTarget[1] = 0.0f;
  Camera.look[0] = 1.0f;
  Camera.look[1] = -2.0f;
  Camera.heightTarget = 5.0f;
  Camera.height = 5.0f;
}

void ResetCameraSway() {
  Camera.swayAngle = 0.0f;
  Camera.swayDirection[2] = -1.0f;
  Camera.swayClock = 0.0f;
}

CameraView AdvanceCamera(const float fighterOne[3], const float fighterTwo[3], bool roundOver, float step) {
  const float mid[3] = {(fighterOne[0] + fighterTwo[0]) * 0.5f, (fighterOne[1] + fighterTwo[1]) * 0.5f,
                        (fighterOne[2] + fighterTwo[2]) * 0.5f};

  if (!roundOver) AdvanceSway(step);
  NormaliseSwayDirection();

  Camera.lookTarget[0] = Camera.swayDirection[0];
  Camera.lookTarget[1] = Camera.swayDirection[2];
  Camera.heightTarget = mid[1] + kEyeHeightAboveFighters;

  Camera.look[0] = Smooth(Camera.look[0], Camera.lookTarget[0], 0.01f, 0.01f, step);
  Camera.look[1] = Smooth(Camera.look[1], Camera.lookTarget[1], 0.015f, 0.01f, step);
  Camera.height = Smooth(Camera.height, Camera.heightTarget, 0.015f, 0.06f, step);

  // The eye wobbles by up to one unit on each axis with the sway.
  const float s = std::sin(Camera.swayAngle);
  CameraView view{};
  view.eye[0] = mid[0] - kEyeDistance * Camera.look[0] + s;
  view.eye[1] = Camera.height + s;
  view.eye[2] = mid[2] - kEyeDistance * Camera.look[1] + s;
  view.centre[0] = mid[0] + kCentreDistance * Camera.look[0];
  view.centre[1] = mid[1];
  view.centre[2] = mid[2] + kCentreDistance * Camera.look[1];

  ListenerPosition[0] = mid[0] - kListenerDistance * Camera.look[0];
  ListenerPosition[1] = mid[1] + kEyeHeightAboveFighters;
  ListenerPosition[2] = mid[2] - kListenerDistance * Camera.look[1];
  return view;
}
