#pragma once

#include <string>
#include <vector>

// Frame data of a character's strikes, read from the fight's rules (StrikeTimingOf): what the
// training overlay prints. Frames are 60 Hz frames, rounded to the nearest.

struct StrikeFrameData {
  int startupFrames = 0;   // from the press to the frame the blow lands
  int activeFrames = 0;    // the blow lands in one frame
  int recoveryFrames = 0;  // after that frame until the fighter is free again
  float startupMs = 0.0f;
  float activeMs = 0.0f;
  float recoveryMs = 0.0f;
  float nearest = 0.0f;    // connects when nearest < distance < reach
  float reach = 0.0f;
};

// `kind` is HandToHead, HandToBody or LegToBody; all zero otherwise.
StrikeFrameData FrameDataOf(int character, int kind);

// The frame-data overlay's lines, top to bottom, for fighter one (`character`) now: each strike's
// figures and whether the opponent stands within its reach, the last blow on the dummy, the combo,
// both fighters' tiredness and the distance.
std::vector<std::string> FrameDataLines(int character);
