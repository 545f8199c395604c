#include "story/story_text.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

int Words(const std::string& text) {
  std::istringstream in(text);
  int n = 0;
  std::string w;
  while (in >> w) ++n;
  return n;
}

TEST(StoryTextTest, TheCareerStoryIsComplete) {
  const std::vector<ArenaStory> story = ReadStory();
  ASSERT_EQ(story.size(), 8u);
  const char* opponents[] = {"Kingpin", "Cop", "Truck driver", "Biker", "Hooker", "Inspector",
                             "Bandit"};
  for (int n = 1; n <= 8; ++n) {
    const ArenaStory& a = story[n - 1];
    SCOPED_TRACE(n);
    EXPECT_EQ(a.arena, n);
    EXPECT_FALSE(a.storyLines.empty());
    // Spoken at the voices' pace of about 150 words a minute: under 40 s and under 8 s.
    EXPECT_LE(Words(StoryMonologue(a)), 90);
    EXPECT_EQ(a.captions.size(), n == 1 ? 5u : 3u);
    if (n <= 7) {
      EXPECT_EQ(a.opponent, opponents[n - 1]);
      EXPECT_FALSE(a.taunt.empty());
      EXPECT_LE(Words(a.taunt), 16);
    } else {
      EXPECT_TRUE(a.opponent.empty());
      EXPECT_TRUE(a.taunt.empty());
    }
  }
}

std::string AllArenas(const std::string& extraForArenaOne) {
  std::string text = "# comment\n\narena 1\n" + extraForArenaOne;
  for (int n = 2; n <= 8; ++n) text += "arena " + std::to_string(n) + "\n";
  return text;
}

TEST(StoryTextTest, ParsesRecordsInOrder) {
  const auto story = ParseStory(AllArenas(
      "opponent: Kingpin\nstory: One.\n  story:   Two.  \ntaunt: Go.\npicture 1: A\npicture 2: B\n"));
  EXPECT_EQ(story[0].storyLines, (std::vector<std::string>{"One.", "Two."}));
  EXPECT_EQ(StoryMonologue(story[0]), "One. Two.");
  EXPECT_EQ(story[0].taunt, "Go.");
  EXPECT_EQ(story[0].captions, (std::vector<std::string>{"A", "B"}));
  EXPECT_TRUE(story[7].storyLines.empty());
}

TEST(StoryTextTest, MalformedInputIsRefusedWithItsLine) {
  EXPECT_THROW(ParseStory(AllArenas("picture 2: out of order\n")), std::runtime_error);
  EXPECT_THROW(ParseStory(AllArenas("no colon here\n")), std::runtime_error);
  EXPECT_THROW(ParseStory(AllArenas("colour: red\n")), std::runtime_error);
  EXPECT_THROW(ParseStory(AllArenas("story:\n")), std::runtime_error);
  EXPECT_THROW(ParseStory(AllArenas("taunt: a\ntaunt: b\n")), std::runtime_error);
  EXPECT_THROW(ParseStory("story: before any arena\n"), std::runtime_error);
  EXPECT_THROW(ParseStory("arena 1\narena 9\n"), std::runtime_error);
  EXPECT_THROW(ParseStory("arena 1\narena 1\n"), std::runtime_error);
  EXPECT_THROW(ParseStory("arena 1\n"), std::runtime_error);  // arenas 2..8 missing
  try {
    ParseStory(AllArenas("story: ok\nbroken\n"));
    FAIL();
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("line 5"), std::string::npos) << e.what();
  }
  EXPECT_THROW(ReadStory("/nonexistent/story.txt"), std::runtime_error);
}

}  // namespace
