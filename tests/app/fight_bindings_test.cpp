#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>

#include "app/fight_bindings.h"
#include "app/input_state.h"

namespace {

struct Commands {
  FighterCommand one, two;
};

Commands With(std::initializer_list<int> keysDown, bool twoHumans) {
  std::uint8_t keys[256] = {};
  for (int k : keysDown) keys[k] = 1;
  FighterCommand commands[2];
  BuildFighterCommands(keys, twoHumans, DefaultFightBindings(), commands);
  return {commands[0], commands[1]};
}

FighterCommand Holding(std::initializer_list<FightInput> inputs) {
  FighterCommand c;
  for (FightInput i : inputs) c.Hold(i);
  return c;
}

TEST(FightBindings, TodaysKeysActForEachFighterInTwoPlayerMatches) {
  const Commands c = With({'B', VirtualKey::Space, 'Z', 'X', 'C', VirtualKey::Left, 'L', 'I', 'O', 'P'}, true);
  using I = FightInput;
  EXPECT_EQ(c.one, Holding({I::Forward, I::Block, I::HandToHead, I::HandToBody, I::LegToBody}));
  EXPECT_EQ(c.two, Holding({I::Forward, I::Block, I::HandToHead, I::HandToBody, I::LegToBody}));
  EXPECT_EQ(With({'V'}, true).one, Holding({I::Back}));
  EXPECT_EQ(With({VirtualKey::Right}, true).two, Holding({I::Back}));
  EXPECT_EQ(With({VirtualKey::Right}, true).one, FighterCommand{});
}

TEST(FightBindings, AgainstTheComputerTheArrowsWalkFighterOneAndFighterTwoHoldsNothing) {
  using I = FightInput;
  const Commands right = With({VirtualKey::Right, 'I', 'L'}, false);
  EXPECT_EQ(right.one, Holding({I::Forward}));
  EXPECT_EQ(right.two, FighterCommand{});
  EXPECT_EQ(With({VirtualKey::Left}, false).one, Holding({I::Back}));
  EXPECT_EQ(With({VirtualKey::Left, VirtualKey::Right}, false).one, Holding({I::Forward, I::Back}));
}

TEST(FightBindings, RebindingMovesTheActionAndAnUnboundActionNeverActs) {
  FightBindings b = DefaultFightBindings();
  b.key[0][static_cast<int>(FightInput::HandToHead)] = 'Q';
  b.key[0][static_cast<int>(FightInput::Block)] = 0;
  std::uint8_t keys[256] = {};
  keys['Q'] = keys['Z'] = keys[0] = 1;
  FighterCommand commands[2];
  BuildFighterCommands(keys, true, b, commands);
  EXPECT_EQ(commands[0], Holding({FightInput::HandToHead}));
}

}  // namespace
