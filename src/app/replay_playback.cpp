#include "app/replay_playback.h"

#include <cinttypes>
#include <cstdio>

#include "fight/fight.h"
#include "fight/fight_snapshot.h"
#include "screens/screen_flow.h"

ReplayPlaybackState ReplayPlayback;

namespace {

constexpr int kMostFramesPerGameFrame = 16;
// Steps are summed in floats: a frame owed to within this much is due.
constexpr float kStepTolerance = 0.001f;

// The menus' selections, put back when the playback ends.
struct MenuSelections {
  bool careerMode, twoPlayerMode;
  int gameMode, difficulty, arena, characters[2];
};
MenuSelections saved;

}  // namespace

int ReplayFramesDue(ReplayPlaybackState& p, float frameStep) {
  const std::size_t left = p.replay.frames.size() - p.next;
  if (p.paused) {
    const bool step = p.stepRequested && left > 0;
    p.stepRequested = false;
    return step ? 1 : 0;
  }
  p.owedStep += frameStep * static_cast<float>(p.speed);
  int due = 0;
  while (static_cast<std::size_t>(due) < left && due < kMostFramesPerGameFrame &&
         p.owedStep + kStepTolerance >= p.replay.frames[p.next + static_cast<std::size_t>(due)].step) {
    p.owedStep -= p.replay.frames[p.next + static_cast<std::size_t>(due)].step;
    ++due;
  }
  if (due == kMostFramesPerGameFrame) p.owedStep = 0.0f;
  return due;
}

void StartReplayPlayback(const Replay& replay) {
  saved = MenuSelections{ScreenFlow.careerMode, ScreenFlow.twoPlayerMode, MatchState.gameMode,
                         MatchState.difficulty, MatchState.arena, {MatchState.character[0], MatchState.character[1]}};
  ReplayPlayback = ReplayPlaybackState{};
  ReplayPlayback.active = true;
  ReplayPlayback.replay = replay;
  ScreenFlow.careerMode = replay.gameMode == Career;
  ScreenFlow.twoPlayerMode = replay.gameMode == TwoPlayers;
  MatchState.gameMode = replay.gameMode;
  MatchState.difficulty = replay.difficulty;
  MatchState.arena = replay.arena;
  MatchState.character[0] = replay.characters[0];
  MatchState.character[1] = replay.characters[1];
  ScreenFlow.gameState = GameState::Fight;
  PrepareFightStart();
  StartFight(replay.arena, replay.seed);
  FightSnapshot start;
  if (FightSnapshotFromBytes(replay.startState.data(), replay.startState.size(), start)) RestoreFightState(start);
}

bool ReplayPlayable(const Replay& replay, std::string& error) {
  FightSnapshot start;
  if (FightSnapshotFromBytes(replay.startState.data(), replay.startState.size(), start)) return true;
  error = "the replay is damaged (its start state is not a fight)";
  return false;
}

bool PlayDueReplayFrames(float frameStep) {
  ReplayPlaybackState& p = ReplayPlayback;
  const int due = ReplayFramesDue(p, frameStep);
  for (int i = 0; i < due; ++i) {
    const ReplayFrame& f = p.replay.frames[p.next++];
    FightTick(f.commands, f.step, f.simulate);
  }
  if (p.next < p.replay.frames.size()) return false;
  const std::uint64_t hash = FightStateHash();
  if (hash == p.replay.finalHash) {
    std::printf("Replay: the fight ended exactly as recorded (state %016" PRIx64 ")\n", hash);
  } else {
    std::printf("Replay: the fight did NOT end as recorded (state %016" PRIx64 ", recorded %016" PRIx64 ")\n",
                hash, p.replay.finalHash);
  }
  std::fflush(stdout);
  return true;
}

void LeaveReplayPlayback() {
  ReplayPlayback.active = false;
  ScreenFlow.gameState = GameState::MainMenu;
  CloseFinishedMatch();
  ScreenFlow.careerMode = saved.careerMode;
  ScreenFlow.twoPlayerMode = saved.twoPlayerMode;
  MatchState.gameMode = saved.gameMode;
  MatchState.difficulty = saved.difficulty;
  MatchState.arena = saved.arena;
  MatchState.character[0] = saved.characters[0];
  MatchState.character[1] = saved.characters[1];
}

bool StartReplayFile(const std::string& path, std::string& error) {
  Replay replay;
  if (!ReadReplayFile(path, replay, error) || !ReplayPlayable(replay, error)) return false;
  StartReplayPlayback(replay);
  return true;
}
