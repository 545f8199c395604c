#pragma once

// Frame data of a character's strikes, read from the fight's rules (StrikeTimingOf): what the
// training overlay prints. Frames are 60 Hz frames, rounded to the nearest.

struct StrikeFrameData {
  int startupFrames = 0;   // from the press to the frame the blow lands
  int activeFrames = 0;    // the blow lands in one frame
  int recoveryFrames = 0;  // after that frame until the fighter is free again
  float startupMs = 0.0f;
  float activeMs = 0.0f;
  float recoveryMs = 0.0f;
  float reach = 0.0f;      // connects when 1 < distance < reach
};

// `kind` is HandToHead, HandToBody or LegToBody; all zero otherwise.
StrikeFrameData FrameDataOf(int character, int kind);
