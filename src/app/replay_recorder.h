#pragma once

#include <cstdint>

#include "app/replay_file.h"

// Records the running match for its replay: begun when a fight starts, one frame per fight frame,
// stored when the match is finished, dropped when it is restarted or left from the pause menu.
// After StartFight: a replay with the match's settings, seed and start state, and no frame yet.
Replay StartingReplay();
void BeginReplayRecording();   // after StartFight: the match's settings and seed
void RecordReplayFrame(float step, bool simulate, const FighterCommand (&commands)[2]);
void StoreFinishedReplay();    // after the finishing frame's tick; names a failure once on standard error
void DropReplayRecording();
bool RecordingReplay();
