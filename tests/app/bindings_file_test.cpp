#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <unistd.h>

#include "app/bindings_file.h"
#include "app/input_state.h"
#include "app/key_names.h"

namespace {

constexpr int kHead = static_cast<int>(FightInput::HandToHead);
constexpr int kForward = static_cast<int>(FightInput::Forward);
constexpr int kBlock = static_cast<int>(FightInput::Block);

bool SameBindings(const FightBindings& a, const FightBindings& b) {
  for (int f = 0; f < 2; ++f) {
    for (int i = 0; i < kFightInputCount; ++i) {
      if (a.key[f][i] != b.key[f][i] || a.pad[f][i] != b.pad[f][i]) return false;
    }
  }
  return a.singlePad == b.singlePad;
}

TEST(BindingsFile, TextRoundTripsKeysButtonsAndTheLonePadsFighter) {
  FightBindings changed = DefaultFightBindings();
  changed.key[0][kHead] = VirtualKey::F12;
  changed.key[1][kForward] = VirtualKey::PageDown;
  changed.pad[1][kBlock] = PadButton::LeftTrigger;
  changed.singlePad = SinglePad::PlaysFighterOne;
  std::string problems;
  EXPECT_TRUE(SameBindings(BindingsFromText(BindingsText(changed), &problems), changed));
  EXPECT_EQ(problems, "");
  EXPECT_TRUE(SameBindings(BindingsFromText(BindingsText(DefaultFightBindings()), &problems), DefaultFightBindings()));
}

TEST(BindingsFile, EveryUnusableLineKeepsItsEntrysDefaultAndIsNamed) {
  std::string problems;
  const FightBindings read = BindingsFromText(
      "# hand-edited\n"
      "one.head.key=Q\n"            // 2: good
      "one.body.key=NoSuchKey\n"    // 3: not a key
      "one.leg.key=Escape\n"        // 4: the game's own key
      "two.block.pad=Start\n"       // 5: pauses
      "two.leg.pad=Paddle9\n"       // 6: not a button
      "three.head.key=A\n"          // 7: no such fighter
      "one.back.key\n"              // 8: no '='
      "single-pad=both\n",          // 9
      &problems);
  const FightBindings defaults = DefaultFightBindings();
  EXPECT_EQ(read.key[0][kHead], 'Q');
  EXPECT_EQ(read.key[0][static_cast<int>(FightInput::HandToBody)], 'X');
  EXPECT_EQ(read.key[0][static_cast<int>(FightInput::LegToBody)], 'C');
  EXPECT_EQ(read.pad[1][kBlock], defaults.pad[1][kBlock]);
  EXPECT_EQ(read.pad[1][static_cast<int>(FightInput::LegToBody)], defaults.pad[1][static_cast<int>(FightInput::LegToBody)]);
  EXPECT_EQ(read.singlePad, defaults.singlePad);
  for (int line = 3; line <= 9; ++line) {
    EXPECT_NE(problems.find("line " + std::to_string(line) + ":"), std::string::npos) << line << "\n" << problems;
  }
  EXPECT_EQ(problems.find("line 2:"), std::string::npos) << problems;
}

TEST(BindingsFile, AKeyOrButtonBoundTwiceIsNeverKept) {
  std::string problems;
  // Two entries the file gives the same key: the second keeps its default.
  FightBindings read = BindingsFromText("one.head.key=Q\ntwo.head.key=Q\n", &problems);
  EXPECT_EQ(read.key[0][kHead], 'Q');
  EXPECT_EQ(read.key[1][kHead], 'I');
  EXPECT_NE(problems.find("line 2:"), std::string::npos) << problems;

  // A key taken from an entry the file leaves alone (B steps fighter one forward): both back to
  // their defaults, so B is not bound twice.
  problems.clear();
  read = BindingsFromText("two.block.key=B\n", &problems);
  EXPECT_EQ(read.key[1][kBlock], 'L');
  EXPECT_EQ(read.key[0][kForward], 'B');
  EXPECT_NE(problems.find("two.block.key"), std::string::npos) << problems;

  // Buttons are per fighter: the same button on both pads is fine, twice on one pad is not.
  problems.clear();
  read = BindingsFromText("one.block.pad=Y\ntwo.block.pad=Y\none.head.pad=Y\n", &problems);
  EXPECT_EQ(read.pad[0][kBlock], PadButton::Y);
  EXPECT_EQ(read.pad[1][kBlock], PadButton::Y);
  EXPECT_EQ(read.pad[0][kHead], PadButton::X);
  EXPECT_NE(problems.find("line 3:"), std::string::npos) << problems;
}

TEST(BindingsFile, ADamagedFileOnDiskFallsBackAndAMissingOneGivesDefaults) {
  const std::string path = "bindings_file_test_" + std::to_string(::getpid()) + ".cfg";
  const char damaged[] = "\0\xff\xfe garbage\none.head.key=\n";
  std::ofstream(path, std::ios::binary).write(damaged, sizeof damaged - 1);
  testing::internal::CaptureStderr();
  ReadBindingsFrom(path);
  const std::string errors = testing::internal::GetCapturedStderr();
  EXPECT_TRUE(SameBindings(ActiveFightBindings, DefaultFightBindings()));
  EXPECT_NE(errors.find(path), std::string::npos) << errors;

  ActiveFightBindings.key[1][kHead] = 'U';
  ASSERT_TRUE(WriteBindingsTo(path));
  ActiveFightBindings = DefaultFightBindings();
  ReadBindingsFrom(path);
  EXPECT_EQ(ActiveFightBindings.key[1][kHead], 'U');
  std::remove(path.c_str());

  ReadBindingsFrom(path);
  EXPECT_TRUE(SameBindings(ActiveFightBindings, DefaultFightBindings()));
}

TEST(KeyNames, EveryNamedKeyAndButtonReadsBackFromItsFileName) {
  for (int key = 1; key < 256; ++key) {
    const std::string name = KeyFileName(key);
    if (name.empty()) continue;
    EXPECT_EQ(VirtualKeyNamed(name), key) << name;
    EXPECT_NE(KeyLabel(key), "?") << name;
  }
  EXPECT_EQ(KeyLabel(VirtualKey::Left), "LEFT ARROW");
  EXPECT_EQ(VirtualKeyNamed("f10"), VirtualKey::F10);
  EXPECT_EQ(VirtualKeyNamed("F1x"), std::nullopt);
  for (int b = 0; b < kPadButtonCount; ++b) {
    EXPECT_EQ(PadButtonNamed(PadButtonFileName(static_cast<PadButton>(b))), static_cast<PadButton>(b));
  }
}

}  // namespace
