#pragma once

#include <cstddef>
#include <string>

#include "app/replay_file.h"

// Watching a replay: the real fight, fed by the recorded frames instead of the players. Its
// controls: pause, one frame forward while paused, 1×, 2× and 4× speed; Escape leaves.
struct ReplayPlaybackState {
  bool active = false;
  Replay replay;
  std::size_t next = 0;     // the recorded frame to play next
  int speed = 1;            // 1, 2 or 4
  bool paused = false;
  bool stepRequested = false;  // one frame forward while paused
  float owedStep = 0.0f;    // recorded time due but not yet played, in step units
};
extern ReplayPlaybackState ReplayPlayback;

// The recorded frames due in a game frame of `frameStep` at the playback's speed (one when a
// paused playback is asked for a frame). Never more than 16: a long frame does not race ahead.
int ReplayFramesDue(ReplayPlaybackState& playback, float frameStep);

// Whether the replay's start state can be played; false with `error` set when it is damaged.
bool ReplayPlayable(const Replay& replay, std::string& error);

// Starts the recorded fight with the replay's settings and start state (the menus' own selections
// are put back when it ends). The replay must be playable.
void StartReplayPlayback(const Replay& replay);

// Plays the due frames through FightTick. At the recording's end, says on standard output whether
// the fight ended exactly as recorded, and returns true: the caller then leaves.
bool PlayDueReplayFrames(float frameStep);

// Ends the playback and its fight and goes back to the main menu.
void LeaveReplayPlayback();

// Reads a replay and starts it; false with `error` set (nothing started) when it cannot be played.
bool StartReplayFile(const std::string& path, std::string& error);
