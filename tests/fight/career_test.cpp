#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "fight/career_file.h"
#include "fight/fight_fixture.h"
#include "screens/screen_effects.h"
#include "screens/screen_rules.h"
#include "screens/screens.h"

namespace {

namespace fs = std::filesystem;

// Runs in a scratch folder so that fight.inf lands there and not in the build's base/.
class CareerTest : public FightTest {
 protected:
  fs::path previous;
  fs::path scratch;

  void SetUp() override {
    FightTest::SetUp();
    previous = fs::current_path();
    scratch = fs::temp_directory_path() / ("brelloch-career-" + std::to_string(::getpid()));
    fs::remove_all(scratch);
    fs::create_directories(scratch);
    fs::current_path(scratch);
    ::setenv("XDG_DATA_HOME", (scratch / "data").c_str(), 1);
  }

  void TearDown() override {
    fs::current_path(previous);
    fs::remove_all(scratch);
    ::unsetenv("XDG_DATA_HOME");
    FightTest::TearDown();
  }

  // LOAD GAME on the career menu, as the screens do it.
  static bool LoadGameFromMenu() {
    bool resumed = false;
    ScreenEffects.loadCareer = [&resumed] { return resumed = LoadCareer(); };
    ScreenFlow.PointerX = 400;
    ScreenFlow.PointerY = 326;
    HandleClick();
    ScreenEffects.loadCareer = nullptr;
    return resumed;
  }

  // The career is kept in the data folder, here the scratch folder's own.
  static fs::path FilePath() { return fs::path("data") / "brelloch" / "fight.inf"; }

  static std::vector<unsigned char> FileBytes() {
    std::ifstream in(FilePath(), std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  static void WriteBytes(const std::vector<unsigned char>& bytes) {
    fs::create_directories(FilePath().parent_path());
    std::ofstream out(FilePath(), std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }

  // The versus screen's NEXT for the current career opponent, then a match in which `loser` is
  // knocked out twice.
  static void PlayCareerMatch(int loser) {
    ScreenFlow.gameState = GameState::Fight;
    MatchState.gameMode = Career;
    PrepareFightStart();
    StartFight(MatchState.arena, 1);
    int knockouts = 0;
    auto script = [&](float, std::uint8_t(&)[256]) {
      if (MatchState.fightLive && !MatchState.roundOver && knockouts < 2) {
        FighterStatuses[loser].life = -1.0f;
        ++knockouts;
      }
    };
    // Continue the fight already started, frame by frame as the fight frame does.
    while (ScreenFlow.gameState == GameState::Fight) {
      std::memset(KeyState, 0, sizeof KeyState);
      script(0.0f, KeyState);
      FighterCommand commands[2];
      KeyCommands(commands);
      ApplyMatchOutcome(FightTick(commands, 1.67f, true));
    }
  }
};

TEST_F(CareerTest, ThreeWonMatchesOnHardWriteTheDocumentedBytes) {
  NewCareer();
  ScreenFlow.careerMode = true;  // the career menu's NEW GAME (its screen change is the screens')
  EXPECT_EQ(MatchState.difficulty, 2);
  MatchState.difficulty = 3;
  for (int match = 1; match <= 3; ++match) {
    EXPECT_EQ(MatchState.character[1], match);
    EXPECT_EQ(MatchState.arena, match);
    PlayCareerMatch(1);
    EXPECT_EQ(ScreenFlow.gameState, GameState::PreFight);
    EXPECT_EQ(hooks.Count("LoadStoryImages " + std::to_string(match + 1)), 1);
    EXPECT_EQ(hooks.Count("StartStoryMonolog " + std::to_string(match + 1)), 1);
  }
  SaveCareerAtExit();
  EXPECT_EQ(FileBytes(), (std::vector<unsigned char>{3, 0, 0, 0, 4, 0, 0, 0, 3, 0, 0, 0}));
  EXPECT_FALSE(fs::exists(FilePath().string() + ".tmp"));
}

TEST_F(CareerTest, LosingSavesNothingAndReplaysTheSameOpponent) {
  NewCareer();
  ScreenFlow.careerMode = true;
  PlayCareerMatch(0);
  EXPECT_EQ(ScreenFlow.gameState, GameState::PreFight);
  EXPECT_EQ(MatchState.character[1], 1);
  EXPECT_EQ(MatchState.arena, 1);
  EXPECT_EQ(CareerState.careerProgress, 0);
  EXPECT_EQ(CareerState.pendingSave[1], 0);
  EXPECT_EQ(hooks.Count("LoadStoryImages 2"), 0);
}

TEST_F(CareerTest, BeatingOpponentsSixAndSevenCompletesTheCareer) {
  NewCareer();
  ScreenFlow.careerMode = true;
  MatchState.difficulty = 4;
  MatchState.character[1] = 6;
  MatchState.arena = 6;
  CareerState.careerProgress = 5;
  PlayCareerMatch(1);
  EXPECT_EQ(CareerState.pendingSave[0], 6);
  EXPECT_EQ(CareerState.pendingSave[1], 7);
  EXPECT_EQ(ScreenFlow.gameState, GameState::PreFight);

  PlayCareerMatch(1);
  EXPECT_EQ(CareerState.pendingSave[0], 7);
  EXPECT_EQ(CareerState.pendingSave[1], 7);
  EXPECT_EQ(MatchState.arena, 8);
  EXPECT_EQ(MatchState.character[0], 2);
  EXPECT_EQ(ScreenFlow.gameState, GameState::CareerStory);
  EXPECT_EQ(hooks.Count("LoadStoryImages 8"), 1);
  SaveCareerAtExit();
  EXPECT_EQ(FileBytes(), (std::vector<unsigned char>{7, 0, 0, 0, 7, 0, 0, 0, 4, 0, 0, 0}));
}

TEST_F(CareerTest, LeavingThroughThePauseSavesTheCurrentOpponentForTheNextRun) {
  NewCareer();
  ScreenFlow.careerMode = true;
  MatchState.difficulty = 5;
  MatchState.character[1] = 4;
  MatchState.arena = 4;
  CareerState.careerProgress = 3;
  LeaveCareerFight();
  SaveCareerAtExit();
  EXPECT_EQ(FileBytes(), (std::vector<unsigned char>{3, 0, 0, 0, 4, 0, 0, 0, 5, 0, 0, 0}));

  // Next run.
  CareerState = CareerRecord{};
  MatchState = MatchRecord{};
  ScreenFlow = ScreenFlowState{};
  ScreenFlow.gameState = GameState::CareerMenu;
  EXPECT_TRUE(LoadGameFromMenu());
  EXPECT_TRUE(ScreenFlow.careerMode);
  EXPECT_EQ(ScreenFlow.gameState, GameState::CareerStory);
  EXPECT_EQ(MatchState.character[1], 4);
  EXPECT_EQ(MatchState.arena, 4);
  EXPECT_EQ(MatchState.difficulty, 5);
  EXPECT_EQ(CareerState.careerProgress, 3);
  EXPECT_EQ(hooks.Count("LoadStoryImages 4"), 1);
  EXPECT_EQ(hooks.Count("StartStoryMonolog 4"), 1);
}

TEST_F(CareerTest, ThisRunsPendingCareerWinsOverTheFile) {
  WriteBytes({2, 0, 0, 0, 3, 0, 0, 0, 1, 0, 0, 0});
  CareerState.pendingSave[0] = 5;
  CareerState.pendingSave[1] = 6;
  CareerState.pendingSave[2] = 2;
  EXPECT_TRUE(LoadCareer());
  EXPECT_EQ(MatchState.character[1], 6);
  EXPECT_EQ(CareerState.fileSave[1], 3);
}

TEST_F(CareerTest, OpponentOneCannotBeLoadedButItsValuesAreTaken) {
  WriteBytes({0, 0, 0, 0, 1, 0, 0, 0, 4, 0, 0, 0});
  ScreenFlow.gameState = GameState::CareerMenu;
  EXPECT_FALSE(LoadGameFromMenu());
  EXPECT_EQ(ScreenFlow.gameState, GameState::CareerMenu);
  EXPECT_FALSE(ScreenFlow.careerMode);
  EXPECT_EQ(MatchState.difficulty, 4);
  EXPECT_EQ(hooks.Count("LoadStoryImages 1"), 0);
}

TEST_F(CareerTest, MissingShortOrOutOfRangeFilesAreNoSavedCareer) {
  const std::vector<std::vector<unsigned char>> files = {
      {},                                         // missing (written below only when not empty)
      {3, 0, 0, 0, 4, 0, 0, 0},                   // difficulty reads as -1
      {3, 0, 0, 0, 9, 0, 0, 0, 3, 0, 0, 0},       // opponent 9
      {3, 0, 0, 0, 4, 0, 0, 0, 6, 0, 0, 0},       // difficulty 6
      {8, 0, 0, 0, 4, 0, 0, 0, 2, 0, 0, 0},       // progress 8
      {3, 0, 0, 0, 4, 0, 0, 0xFF, 2, 0, 0, 0},    // a huge negative opponent
  };
  for (const auto& bytes : files) {
    fs::remove_all("data");
    if (!bytes.empty()) WriteBytes(bytes);
    CareerState = CareerRecord{};
    MatchState = MatchRecord{};
    MatchState.difficulty = 2;
    MatchState.character[1] = 1;
    ScreenFlow.gameState = GameState::CareerMenu;
    EXPECT_FALSE(LoadGameFromMenu()) << bytes.size();
    EXPECT_EQ(ScreenFlow.gameState, GameState::CareerMenu);
    EXPECT_EQ(MatchState.difficulty, 2);
    EXPECT_EQ(MatchState.character[1], 1);
  }
}

TEST_F(CareerTest, ExitWritesBackAnUnchangedFileWhenNothingIsPending) {
  WriteBytes({2, 0, 0, 0, 3, 0, 0, 0, 1, 0, 0, 0});
  SaveCareerAtExit();
  EXPECT_EQ(FileBytes(), (std::vector<unsigned char>{2, 0, 0, 0, 3, 0, 0, 0, 1, 0, 0, 0}));
  fs::remove_all("data");
  CareerState = CareerRecord{};
  SaveCareerAtExit();  // no file, nothing pending: a new file of zeros
  EXPECT_EQ(FileBytes(), std::vector<unsigned char>(12, 0));
}

TEST_F(CareerTest, FileReadsLittleEndianAndShortValuesAsMinusOne) {
  WriteBytes({0x01, 0x02, 0x03, 0x04, 0xFE, 0xFF, 0xFF, 0xFF, 7});
  int values[3] = {};
  ASSERT_TRUE(ReadCareerFile(FilePath().string(), values));
  EXPECT_EQ(values[0], 0x04030201);
  EXPECT_EQ(values[1], -2);
  EXPECT_EQ(values[2], -1);
  int untouched[3] = {5, 6, 7};
  EXPECT_FALSE(ReadCareerFile("no/such/file", untouched));
  EXPECT_EQ(untouched[2], 7);
}

TEST_F(CareerTest, AFailedWriteLeavesTheOldFile) {
  WriteBytes({1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0});
  // A folder in the temporary file's place makes the write fail before the rename.
  fs::create_directories(FilePath().string() + ".tmp");
  const int values[3] = {7, 7, 5};
  EXPECT_FALSE(WriteCareerFile(FilePath().string(), values));
  EXPECT_EQ(FileBytes(), (std::vector<unsigned char>{1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0}));
}

}  // namespace
