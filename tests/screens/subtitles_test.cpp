#include "screens/subtitles.h"

#include <gtest/gtest.h>

#include "app/game_options.h"
#include "screens/more_option_rows.h"

namespace {

const char* const kFile =
    "# When each spoken line is heard\n"
    "1.wav 0.25 2.09 Eleven years in this cell.\n"
    "1.wav 2.54 5.24 Eleven years for a fight I never started.\r\n"
    "1_.wav 0.25 4.66 This is my block, boxer.\n"
    "broken row\n"
    "2.wav 3.0 1.0 ends before it starts\n"
    "2.wav 1.0 2.0\n";

TEST(Subtitles, TheLineHeardAtATimeComesFromItsRecording) {
  const std::vector<SubtitleLine> lines = ParseSubtitleLines(kFile);
  ASSERT_EQ(lines.size(), 3u) << "comments, malformed rows and rows without words are left out";
  EXPECT_EQ(lines[1].text, "Eleven years for a fight I never started.");
  ASSERT_NE(SubtitleAt(lines, "1.wav", 1.0), nullptr);
  EXPECT_EQ(SubtitleAt(lines, "1.wav", 1.0)->text, "Eleven years in this cell.");
  EXPECT_EQ(SubtitleAt(lines, "1.wav", 2.3), nullptr) << "nothing in the pause between lines";
  EXPECT_EQ(SubtitleAt(lines, "1.wav", 0.1), nullptr) << "nothing before the first word";
  EXPECT_EQ(SubtitleAt(lines, "1.wav", 4.0)->start, 2.54);
  EXPECT_EQ(SubtitleAt(lines, "1_.wav", 1.0)->text, "This is my block, boxer.");
  EXPECT_EQ(SubtitleAt(lines, "2.wav", 1.5), nullptr);
}

TEST(Subtitles, ShownByTheOptionOrWheneverTheSoundIsOff) {
  EXPECT_FALSE(SubtitlesShown(0, true));
  EXPECT_TRUE(SubtitlesShown(1, true));
  EXPECT_TRUE(SubtitlesShown(0, false));
  EXPECT_TRUE(SubtitlesShown(1, false));
}

TEST(Subtitles, LongLinesWrapAtSpaces) {
  const auto rows = WrapSubtitle("Tonight a riot has opened every door on the block, and one man stands", 30);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0], "Tonight a riot has opened");
  for (const std::string& row : rows) EXPECT_LE(row.size(), 30u);
  EXPECT_EQ(WrapSubtitle("short", 30), std::vector<std::string>{"short"});
  EXPECT_EQ(WrapSubtitle("unbreakablewordlongerthanwidth", 10).size(), 1u);
}

TEST(Subtitles, TheCareerFightsMonologIsTimedByItsFirstRoundsClock) {
  MatchRecord match;
  match.gameMode = Career;
  match.arena = 4;
  match.roundNumber = 1;
  match.RoundClock = kCareerFirstIntro;
  EXPECT_EQ(FightMonologMoment(match).recording, "4_.wav");
  EXPECT_DOUBLE_EQ(FightMonologMoment(match).seconds, 0.0);
  match.RoundClock = kCareerFirstIntro + 2.5f;
  EXPECT_NEAR(FightMonologMoment(match).seconds, 2.5, 1e-5);
  match.RoundClock = 0.5f;  // the count-in: the voice is over
  EXPECT_TRUE(FightMonologMoment(match).recording.empty());
  match.RoundClock = -3.0f;
  match.roundNumber = 2;  // later rounds start at 0 and have no monologue
  EXPECT_TRUE(FightMonologMoment(match).recording.empty());
  match.roundNumber = 1;
  for (int mode : {QuickFight, TwoPlayers}) {
    match.gameMode = mode;
    EXPECT_TRUE(FightMonologMoment(match).recording.empty()) << "mode " << mode;
  }
}

TEST(Subtitles, TheStoryMonologIsFollowedByTheTimerUntilItStops) {
  EXPECT_TRUE(StoryMonologMoment(5.0).recording.empty()) << "nothing before a monologue starts";
  NoteStoryMonologStart(3, 100.0);
  EXPECT_EQ(StoryMonologMoment(100.0).recording, "3.wav");
  EXPECT_DOUBLE_EQ(StoryMonologMoment(104.5).seconds, 4.5);
  NoteStoryMonologStart(4, 200.0);  // the next won match tells the next story from its start
  EXPECT_EQ(StoryMonologMoment(201.0).recording, "4.wav");
  EXPECT_DOUBLE_EQ(StoryMonologMoment(201.0).seconds, 1.0);
  NoteStoryMonologStop();
  EXPECT_TRUE(StoryMonologMoment(202.0).recording.empty());
}

TEST(Subtitles, TheMoreOptionsPageSwitchesThem) {
  const MoreOptionRow* row = nullptr;
  for (int i = 0; i < MoreOptionRowCount(); ++i)
    if (std::string(MoreOptionAt(i).label) == "Subtitles") row = &MoreOptionAt(i);
  ASSERT_NE(row, nullptr);
  UserOptions.subtitles = 0;
  EXPECT_STREQ(row->valueText(), "NO");
  row->choose();
  EXPECT_EQ(UserOptions.subtitles, 1);
  EXPECT_STREQ(row->valueText(), "YES");
  row->choose();
  EXPECT_EQ(UserOptions.subtitles, 0);
  EXPECT_EQ(GameOptionsFromText("subtitles=1\n", nullptr).subtitles, 1);
}

}  // namespace
