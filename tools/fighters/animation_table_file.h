#pragma once

#include <string>
#include <vector>

// One line of a fighter's animation table: frames [firstFrame, firstFrame + frameCount) of the
// model file, played at framesPerSecond.
struct AnimationLine {
  std::string name;
  int firstFrame = 0;
  int frameCount = 0;
  int loopingFrames = 0;
  int framesPerSecond = 0;
};

// The text of an "_animation.cfg" file: a comment line, then one line per animation,
// "first count looping fps // NAME".
std::string FormatAnimationTable(const std::vector<AnimationLine>& lines);
