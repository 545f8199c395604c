#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/game_options.h"
#include "app/settings.h"
#include "screen_test_support.h"
#include "screens/menu_clocks.h"
#include "screens/more_option_rows.h"
#include "screens/screens.h"

namespace {

class MoreOptions : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetScreenRecords();
    RecordScreenEffects(log);
    UserOptions = GameOptions{};
  }
  std::vector<std::string> log;
};

TEST_F(MoreOptions, ReachedFromOptionsAndLeftByBack) {
  ScreenFlow.gameState = GameState::Options;
  ClickAt(461, 566);  // "MORE", beside APPLY
  EXPECT_EQ(ScreenFlow.gameState, GameState::MoreOptions);
  ClickAt(57, 566);
  EXPECT_EQ(ScreenFlow.gameState, GameState::Options);
}

TEST_F(MoreOptions, AValueChangesOnlyInsideItsBox) {
  ScreenFlow.gameState = GameState::MoreOptions;
  const PointerRect box = MoreOptionValueRect(0);
  ASSERT_STREQ(MoreOptionAt(0).label, "Vertical sync");
  EXPECT_STREQ(MoreOptionAt(0).valueText(), "YES");

  ClickAt(box.left, (box.top + box.bottom) / 2);  // on the bound: outside
  EXPECT_EQ(UserOptions.vsync, 1);

  MenuClocks.MenuFadeClock = 0.5f;
  ClickAt(box.left + 1, (box.top + box.bottom) / 2);
  EXPECT_EQ(UserOptions.vsync, 0);
  EXPECT_STREQ(MoreOptionAt(0).valueText(), "NO");
  EXPECT_EQ(MenuClocks.MenuFadeClock, 0.0f);  // the page slides in again, as the Options values do
  EXPECT_EQ(ScreenFlow.gameState, GameState::MoreOptions);
}

TEST_F(MoreOptions, TheFullScreenRowShowsAndFlipsTheWindowedOption) {
  ScreenFlow.gameState = GameState::MoreOptions;
  UserOptions.windowed = 0;
  const PointerRect box = MoreOptionValueRect(3);
  ASSERT_STREQ(MoreOptionAt(3).label, "Full screen");
  EXPECT_STREQ(MoreOptionAt(3).valueText(), "YES");
  ClickAt(box.left + 1, (box.top + box.bottom) / 2);
  EXPECT_EQ(UserOptions.windowed, 1);
  EXPECT_STREQ(MoreOptionAt(3).valueText(), "NO");
  EXPECT_EQ(UserOptions.vsync, 1) << "only its own option changed";
}

TEST_F(MoreOptions, OnlineRowsCycleTheirValues) {
  const int kDelayRow = MoreOptionRowCount() - 2, kPingRow = MoreOptionRowCount() - 1;
  ScreenFlow.gameState = GameState::MoreOptions;
  ASSERT_STREQ(MoreOptionAt(kDelayRow).label, "Online input delay");
  ASSERT_STREQ(MoreOptionAt(kPingRow).label, "Show ping and rollback");
  std::string delays;
  for (int i = 0; i < 6; ++i) {
    delays += MoreOptionAt(kDelayRow).valueText();
    const PointerRect box = MoreOptionValueRect(kDelayRow);
    ClickAt(box.left + 5, (box.top + box.bottom) / 2);
  }
  EXPECT_EQ(delays, "234012");
  EXPECT_STREQ(MoreOptionAt(kPingRow).valueText(), "NO");
  const PointerRect box = MoreOptionValueRect(kPingRow);
  ClickAt(box.left + 5, (box.top + box.bottom) / 2);
  EXPECT_EQ(UserOptions.showPingAndRollback, 1);
  EXPECT_STREQ(MoreOptionAt(kPingRow).valueText(), "YES");
}

TEST_F(MoreOptions, TheTrainingsFrameDataAndLifeRefillRows) {
  ScreenFlow.gameState = GameState::MoreOptions;
  auto rowNamed = [](const char* label) {
    for (int i = 0; i < MoreOptionRowCount(); ++i) {
      if (std::string(MoreOptionAt(i).label) == label) return i;
    }
    return -1;
  };
  const int frameDataRow = rowNamed("Frame data");
  const int refillRow = rowNamed("Life refill");
  ASSERT_GE(frameDataRow, 0);
  ASSERT_GE(refillRow, 0);
  EXPECT_STREQ(MoreOptionAt(frameDataRow).valueText(), "YES");
  EXPECT_STREQ(MoreOptionAt(refillRow).valueText(), "BELOW 0");
  const PointerRect frameData = MoreOptionValueRect(frameDataRow);
  const PointerRect refill = MoreOptionValueRect(refillRow);
  ClickAt(frameData.left + 1, (frameData.top + frameData.bottom) / 2);
  ClickAt(refill.left + 1, (refill.top + refill.bottom) / 2);
  EXPECT_EQ(UserOptions.frameData, 0);
  EXPECT_EQ(UserOptions.lifeRefill, 1);
  EXPECT_STREQ(MoreOptionAt(refillRow).valueText(), "AFTER COMBO");
}

TEST_F(MoreOptions, RowsDoNotOverlapEachOtherOrTheBackButton) {
  for (int i = 0; i < MoreOptionRowCount(); ++i) {
    const PointerRect a = MoreOptionValueRect(i);
    EXPECT_LT(a.bottom, 542) << "row " << i << " reaches the BACK button";
    for (int j = i + 1; j < MoreOptionRowCount(); ++j) {
      const PointerRect b = MoreOptionValueRect(j);
      EXPECT_TRUE(a.bottom <= b.top || b.bottom <= a.top) << "rows " << i << " and " << j;
    }
  }
}

}  // namespace
