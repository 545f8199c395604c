#include "app/game_path.h"
#include "fight/career_file.h"
#include "fight/fight_internal.h"

namespace {

constexpr int kLastOpponent = 7;
constexpr int kCareerMatches = 7;
constexpr int kCompletedCareerFighter = 2;  // fighter one's character once the career is complete

std::string CareerFile() { return NativePath(kCareerFilePath); }

void ReadIntoFileSave() { ReadCareerFile(CareerFile(), CareerState.fileSave); }

void TakePendingSave() {
  CareerState.pendingSave[0] = CareerState.careerProgress;
  CareerState.pendingSave[1] = MatchState.character[1];
  CareerState.pendingSave[2] = MatchState.difficulty;
}

int NextOpponent(int opponent) {
  int next = opponent + 1;
  if (next == MatchState.character[0] || next > kLastOpponent) next = opponent + 2 <= kLastOpponent ? opponent + 2 : opponent;
  return next;
}

}  // namespace

void NewCareer() {
  MatchState.difficulty = 2;
  MatchState.arena = 1;
  CareerState.careerProgress = 0;
  MatchState.character[1] = 1;
  CareerState.fileSave[1] = 1;
  MatchState.character[0] = 0;
}

bool LoadCareer() {
  MatchState.character[0] = 0;
  ReadIntoFileSave();
  const int(&saved)[3] = CareerState.pendingSave[1] > 0 ? CareerState.pendingSave : CareerState.fileSave;
  // Values outside the file's ranges (no file yet, a damaged or short one read as -1) mean there is
  // no career to resume; taking them would put an opponent or a level out of every table.
  if (!CareerValuesInRange(saved)) return false;
  CareerState.careerProgress = saved[0];
  MatchState.character[1] = saved[1];
  MatchState.difficulty = saved[2];
  if (MatchState.character[1] <= 1) return false;

  MatchState.arena = MatchState.character[1];
  Hooks().LoadStoryImages(MatchState.arena);
  Hooks().StartStoryMonolog(MatchState.arena);
  return true;
}

void LeaveCareerFight() { TakePendingSave(); }

void SaveCareerAtExit() {
  ReadIntoFileSave();
  if (CareerState.pendingSave[1] < 1) {
    for (int i = 0; i < 3; ++i) CareerState.pendingSave[i] = CareerState.fileSave[i];
  }
  WriteCareerFile(CareerFile(), CareerState.pendingSave);
}

bool WinCareerMatch() {
  ++MatchState.arena;
  MatchState.character[1] = NextOpponent(MatchState.character[1]);
  Hooks().LoadStoryImages(MatchState.arena);
  Hooks().StartStoryMonolog(MatchState.arena);
  if (CareerState.careerProgress < kCareerMatches) {
    ++CareerState.careerProgress;
    TakePendingSave();
  }
  if (CareerState.careerProgress == kCareerMatches && MatchState.arena > kLastOpponent) {
    MatchState.character[0] = kCompletedCareerFighter;
    return true;
  }
  return false;
}
