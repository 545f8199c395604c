#pragma once

#include <string>
#include <vector>

#include "fighters/characters.h"
#include "fighters/skeleton.h"

// The thirteen animations every fighter plays, as one pose per frame.

struct Clip {
  std::string name;
  int framesPerSecond = 10;
  std::vector<Pose> frames;
};

// Frame, counted from the clip's first frame, at which a strike is at its extreme: the hit lands
// at half the character's strike time, and strikes play at 10 / strikeTime frames per second.
constexpr int StrikeExtremeFrame = 5;
// Frame counts of the three strike kinds: their durations are 1.0, 1.3 and 1.9 strike times.
constexpr int HeadStrikeFrames = 10;
constexpr int TorsoStrikeFrames = 13;
constexpr int KickFrames = 19;

// Where a strike aims: the opponent's centre stands 3 units ahead; these are the heights of its
// head and body, and how far forward the fist or foot must come to touch it.
constexpr double StrikeReachGoal = 2.62;

int StrikeFramesPerSecond(float strikeTime);

// In the order of the fighter actions: stand, run, run back, the six strikes, pain, death,
// block, win.
std::vector<Clip> BuildClips(const Character& character);

// The furthest forward point (largest x) of a named body part in a pose.
double PartFront(const Character& character, const Pose& pose, const std::string& partName);
