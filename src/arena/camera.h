#pragma once

// The fight camera and the audio listener it carries. GL-free: ApplyCamera (arena.h) turns the view
// computed here into gluLookAt and the OpenAL listener.

// One global record. Fight-start values by StartFightCamera, the sway by ResetCameraSway (every
// ResetRound); otherwise it keeps its last values between fights.
struct CameraState {
  float swayDirection[4] = {};  // (x, y, z, w): unit look vector of the sway; y and w stay 0
  float swayClock = 0.0f;       // clock of the sway cycle; negative during the pause between cycles
  float swayAngle = 0.0f;       // phase of the sway
  float lookTarget[2] = {};     // (x, z) the look direction moves toward
  float look[2] = {};           // (x, z) smoothed look direction, not renormalised
  float heightTarget = 0.0f;
  float height = 0.0f;
};

extern CameraState Camera;

// Where the audio listener stands: written by the fighter controllers, overwritten by every camera
// application, read by the particles as the viewer. Zero at program start. The listener's facing is
// the renderer's ViewDirection.
extern float ListenerPosition[4];

// What one camera application hands to gluLookAt.
struct CameraView {
  float eye[3];
  float centre[3];
};

// Fight start: the first frames sweep from a diagonal view toward the side view, from 5 units high.
void StartFightCamera();

// Every round start: the sway begins a new cycle from the straight look along −z.
void ResetCameraSway();

// One camera application: advances the sway (unless the round is over) and the smoothing by one
// step, writes ListenerPosition and returns the view. The fighters' positions are their `position`
// fields. Each call moves the camera, so calling it more often per frame makes it faster.
CameraView AdvanceCamera(const float fighterOne[3], const float fighterTwo[3], bool roundOver, float step);
