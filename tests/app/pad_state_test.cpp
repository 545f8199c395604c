#include <gtest/gtest.h>

#include "app/pad_commands.h"
#include "app/pad_state.h"

namespace {

constexpr std::uint32_t Bit(PadButton b) { return 1u << static_cast<int>(b); }

class PadRecords : public ::testing::Test {
 protected:
  void SetUp() override { Pads = PadSet{}; }
};

TEST_F(PadRecords, APadTakesTheLowestFreeSlotAndKeepsItUntilPulledOut) {
  EXPECT_EQ(PadPluggedIn(7), 0);
  EXPECT_EQ(PadPluggedIn(9), 1);
  EXPECT_EQ(PadPluggedIn(7), 0);  // told twice
  EXPECT_EQ(PadPulledOut(7), 0);
  EXPECT_EQ(PadPulledOut(7), -1);
  EXPECT_EQ(PadSlotOf(9), 1);
  EXPECT_EQ(PadPluggedIn(12), 0);
  for (int id = 20; id < 22; ++id) PadPluggedIn(id);
  EXPECT_EQ(PadPluggedIn(30), -1);  // every slot taken
  EXPECT_EQ(PadButtonChanged(30, PadButton::A, true), 0u);
}

TEST_F(PadRecords, ButtonsReportOnlyNewPressesAndPulledPadsForgetWhatTheyHeld) {
  PadPluggedIn(3);
  EXPECT_EQ(PadButtonChanged(3, PadButton::A, true), Bit(PadButton::A));
  EXPECT_EQ(PadButtonChanged(3, PadButton::A, true), 0u);
  EXPECT_TRUE(Pads.slot[0].Holds(PadButton::A));
  EXPECT_EQ(PadButtonChanged(3, PadButton::A, false), 0u);
  EXPECT_FALSE(Pads.slot[0].Holds(PadButton::A));
  PadButtonChanged(3, PadButton::B, true);
  PadPulledOut(3);
  PadPluggedIn(4);
  EXPECT_EQ(Pads.slot[0].held, 0u);
}

TEST_F(PadRecords, SticksAndTriggersAreButtonsPastHalfTheirTravelWithHysteresis) {
  PadPluggedIn(1);
  EXPECT_EQ(PadAxisChanged(1, PadAxis::LeftX, 16000), 0u);
  EXPECT_EQ(PadAxisChanged(1, PadAxis::LeftX, 20000), Bit(PadButton::StickRight));
  EXPECT_EQ(PadAxisChanged(1, PadAxis::LeftX, 12000), 0u);  // still held above a third
  EXPECT_TRUE(Pads.slot[0].Holds(PadButton::StickRight));
  PadAxisChanged(1, PadAxis::LeftX, 9000);
  EXPECT_FALSE(Pads.slot[0].Holds(PadButton::StickRight));
  EXPECT_EQ(PadAxisChanged(1, PadAxis::LeftX, -32768), Bit(PadButton::StickLeft));
  EXPECT_EQ(PadAxisChanged(1, PadAxis::LeftY, -30000), Bit(PadButton::StickUp));  // y grows downward
  EXPECT_EQ(PadAxisChanged(1, PadAxis::RightTrigger, 32767), Bit(PadButton::RightTrigger));
  EXPECT_EQ(PadAxisChanged(1, PadAxis::RightX, 32767), 0u);
}

FighterCommand Holding(std::initializer_list<FightInput> inputs) {
  FighterCommand c;
  for (FightInput i : inputs) c.Hold(i);
  return c;
}

TEST_F(PadRecords, TheFirstPadPlaysFighterOneAndTheSecondFighterTwo) {
  const FightBindings b = DefaultFightBindings();
  int slotOf[2];
  PadsOfFighters(Pads, true, b, slotOf);
  EXPECT_EQ(slotOf[0], -1);
  EXPECT_EQ(slotOf[1], -1);
  PadPluggedIn(5);
  PadsOfFighters(Pads, false, b, slotOf);  // against the computer the pad is fighter one's
  EXPECT_EQ(slotOf[0], 0);
  EXPECT_EQ(slotOf[1], -1);
  PadsOfFighters(Pads, true, b, slotOf);  // a lone pad in two-player plays fighter two by default
  EXPECT_EQ(slotOf[0], -1);
  EXPECT_EQ(slotOf[1], 0);
  FightBindings chosen = b;
  chosen.singlePad = SinglePad::PlaysFighterOne;
  PadsOfFighters(Pads, true, chosen, slotOf);
  EXPECT_EQ(slotOf[0], 0);
  EXPECT_EQ(slotOf[1], -1);
  PadPluggedIn(6);
  PadPulledOut(5);
  PadPluggedIn(8);  // takes slot 0 again: pad order is slot order
  PadsOfFighters(Pads, true, chosen, slotOf);
  EXPECT_EQ(slotOf[0], 0);
  EXPECT_EQ(slotOf[1], 1);
}

TEST_F(PadRecords, PadsAddTheirBoundActionsWithTheStickDoublingTheDpad) {
  const FightBindings b = DefaultFightBindings();
  PadPluggedIn(1);
  PadPluggedIn(2);
  PadButtonChanged(1, PadButton::X, true);
  PadAxisChanged(1, PadAxis::LeftX, 32767);  // right: toward fighter two
  PadButtonChanged(2, PadButton::RightShoulder, true);
  PadButtonChanged(2, PadButton::DpadLeft, true);  // left: toward fighter one
  FighterCommand commands[2] = {Holding({FightInput::Block}), {}};
  AddPadCommands(Pads, true, b, commands);
  EXPECT_EQ(commands[0], Holding({FightInput::Block, FightInput::HandToHead, FightInput::Forward}));
  EXPECT_EQ(commands[1], Holding({FightInput::Block, FightInput::Forward}));

  FighterCommand alone[2] = {};
  AddPadCommands(Pads, false, b, alone);  // against the computer the second pad plays nobody
  EXPECT_EQ(alone[0], Holding({FightInput::HandToHead, FightInput::Forward}));
  EXPECT_EQ(alone[1], FighterCommand{});
}

}  // namespace
