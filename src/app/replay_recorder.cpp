#include "app/replay_recorder.h"

#include <iostream>

#include "app/replay_store.h"
#include "fight/fight.h"
#include "fight/fight_snapshot.h"

namespace {

Replay recording;
bool recordingActive = false;
bool storeFailureNamed = false;

}  // namespace

Replay StartingReplay() {
  Replay replay;
  replay.gameVersion = GameVersion();
  replay.seed = MatchState.seed;
  replay.gameMode = MatchState.gameMode;
  replay.difficulty = MatchState.difficulty;
  replay.arena = MatchState.arena;
  replay.characters[0] = MatchState.character[0];
  replay.characters[1] = MatchState.character[1];
  FightSnapshot start;
  SaveFightState(start);
  replay.startState = FightSnapshotBytes(start);
  return replay;
}

void BeginReplayRecording() {
  recording = StartingReplay();
  recordingActive = true;
}

void RecordReplayFrame(float step, bool simulate, const FighterCommand (&commands)[2]) {
  // A match longer than a replay may hold is not recorded.
  if (!recordingActive || recording.frames.size() >= kLongestReplayFrames) return;
  recording.frames.push_back(ReplayFrame{step, simulate, {commands[0], commands[1]}});
}

void StoreFinishedReplay() {
  if (!recordingActive) return;
  recordingActive = false;
  if (recording.frames.size() >= kLongestReplayFrames) return;
  recording.finalHash = FightStateHash();
  std::string error;
  if (StoreReplay(recording, error).empty() && !storeFailureNamed) {
    std::cerr << "Brelloch: " << error << "; replays are not kept\n";
    storeFailureNamed = true;
  }
}

void DropReplayRecording() { recordingActive = false; }

bool RecordingReplay() { return recordingActive; }
