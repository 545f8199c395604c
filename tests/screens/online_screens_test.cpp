#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/input_state.h"
#include "fight/fight.h"
#include "screen_test_support.h"
#include "screens/character_pick.h"
#include "screens/screen_effects.h"
#include "screens/menu_clocks.h"
#include "screens/online_screen_rules.h"
#include "screens/screens.h"

namespace {

class OnlineScreens : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetScreenRecords();
    RecordScreenEffects(log);
    ScreenFlow.gameState = GameState::MainMenu;
  }
  void Type(const std::string& keys) {
    for (char c : keys) {
      if (c == ':') {
        HandleOnlineKey(0xBA, true);
      } else if (c == '.') {
        HandleOnlineKey(0xBE, false);
      } else {
        HandleOnlineKey(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c, false);
      }
    }
  }
  std::vector<std::string> log;
};

TEST_F(OnlineScreens, OnlineOnTheSecondRowLeadsToHostAndJoin) {
  MoveTo(337, 490);
  EXPECT_TRUE(ScreenFlow.hover[6]);
  ClickAt(337, 490);
  EXPECT_EQ(ScreenFlow.gameState, GameState::OnlineMenu);
  ClickAt(400, 376);  // BACK
  EXPECT_EQ(ScreenFlow.gameState, GameState::MainMenu);
  ClickAt(337, 441);  // "2 PLAYERS" above it is still where it was
  EXPECT_EQ(ScreenFlow.gameState, GameState::TwoPlayerSetup);
}

TEST_F(OnlineScreens, HostWaitsAndBackClosesTheConnection) {
  ScreenFlow.gameState = GameState::OnlineMenu;
  ClickAt(400, 276);  // HOST
  EXPECT_EQ(ScreenFlow.gameState, GameState::OnlineWaiting);
  ClickAt(57, 566);  // BACK
  EXPECT_EQ(ScreenFlow.gameState, GameState::OnlineMenu);
  EXPECT_EQ(log, (std::vector<std::string>{"host online", "click", "leave online", "click"}));
}

TEST_F(OnlineScreens, JoinTakesTheTypedAddress) {
  ScreenFlow.gameState = GameState::OnlineMenu;
  ClickAt(400, 326);  // JOIN
  ASSERT_EQ(ScreenFlow.gameState, GameState::OnlineJoin);
  ClickAt(740, 566);  // CONNECT with nothing typed: nothing happens
  EXPECT_EQ(ScreenFlow.gameState, GameState::OnlineJoin);

  Type("localhost:7799");
  EXPECT_EQ(OnlineScreen.address, "localhost:7799");
  HandleOnlineKey(VirtualKey::Back, false);
  HandleOnlineKey(VirtualKey::Back, false);
  Type("10");
  HandleOnlineKey('1', true);   // "!" is no part of an address
  HandleOnlineKey(0xDB, false);  // "["
  HandleOnlineKey(VirtualKey::Back, false);
  EXPECT_EQ(OnlineScreen.address, "localhost:7710");
  log.clear();
  HandleOnlineKey(VirtualKey::Return, false);
  EXPECT_EQ(ScreenFlow.gameState, GameState::OnlineWaiting);
  EXPECT_EQ(log, (std::vector<std::string>{"join localhost:7710", "click"}));
}

TEST_F(OnlineScreens, KeysTypeOnlyOnTheJoinScreenAndStopAtTheLongestAddress) {
  ScreenFlow.gameState = GameState::MainMenu;
  Type("abc");
  EXPECT_EQ(OnlineScreen.address, "");
  ScreenFlow.gameState = GameState::OnlineJoin;
  for (int i = 0; i < 60; ++i) HandleOnlineKey('1', false);
  EXPECT_EQ(OnlineScreen.address.size(), kMaxAddressLength);
  OnlineScreen.address.clear();
  HandleOnlineKey(VirtualKey::Back, false);  // nothing to take back
  EXPECT_EQ(OnlineScreen.address, "");
}

}  // namespace

namespace {

class OnlineSetup : public OnlineScreens {
 protected:
  void Enter(int side) {
    ScreenFlow.gameState = GameState::OnlineSetup;
    OnlineScreen.localSide = side;
    MatchState.character[0] = 0;
    MatchState.character[1] = 1;
    MatchState.arena = 1;
    log.clear();
  }
  void Click(int x, int y) { ClickAt(x, y); }
};

TEST_F(OnlineSetup, EachPlayerPicksOnlyTheirOwnFighterAndOnlyTheHostTheArena) {
  Enter(1);                // the joiner
  Click(40, 416);          // fighter one's arrow: not theirs
  Click(400, 396);         // the arena: not theirs
  EXPECT_EQ(MatchState.character[0], 0);
  EXPECT_EQ(MatchState.arena, 1);
  EXPECT_TRUE(log.empty());
  Click(760, 416);         // their own: next, skipping the host's fighter
  EXPECT_EQ(MatchState.character[1], 2);
  EXPECT_EQ(log, (std::vector<std::string>{"setup changed", "click"}));

  Enter(0);                // the host
  Click(192, 416);
  EXPECT_EQ(MatchState.character[0], 2);
  Click(400, 396);
  EXPECT_EQ(MatchState.arena, 2);
  Click(400, 446);
  Click(400, 446);
  EXPECT_EQ(MatchState.arena, kHighestSelectableArena);
  Click(607, 416);         // the joiner's fighter
  EXPECT_EQ(MatchState.character[1], 1);
}

TEST_F(OnlineSetup, FightMakesThisPlayerReadyAndFreezesTheirPicks) {
  int changes = 0;
  ScreenEffects.onlineSetupChanged = [&changes] { ++changes; };
  Enter(0);
  Click(192, 416);
  EXPECT_EQ(changes, 1);
  Click(740, 566);  // FIGHT
  EXPECT_TRUE(OnlineScreen.localReady);
  EXPECT_EQ(changes, 2);
  Click(740, 566);  // again: nothing more to tell
  Click(192, 416);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(MatchState.character[0], 2);
  EXPECT_EQ(ScreenFlow.gameState, GameState::OnlineSetup);

  Click(57, 566);  // BACK leaves
  EXPECT_EQ(ScreenFlow.gameState, GameState::OnlineMenu);
  EXPECT_EQ(log.back(), "click");
  EXPECT_NE(std::find(log.begin(), log.end(), "leave online"), log.end());
}

TEST_F(OnlineSetup, TheVersusScreenOfAnOnlineMatchWaitsForBothAndItsBackLeaves) {
  int changes = 0;
  ScreenEffects.onlineSetupChanged = [&changes] { ++changes; };
  ScreenEffects.startFight = [this](int) { log.push_back("start fight"); };
  ScreenFlow.gameState = GameState::PreFight;
  OnlineScreen.versus = true;
  Click(740, 566);  // NEXT: this player is ready; the fight waits for the other
  EXPECT_TRUE(OnlineScreen.localReady);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(ScreenFlow.gameState, GameState::PreFight);
  EXPECT_EQ(std::find(log.begin(), log.end(), "start fight"), log.end());
  Click(740, 566);
  EXPECT_EQ(changes, 1);

  Click(57, 566);  // BACK leaves the connection, the other player is told
  EXPECT_EQ(ScreenFlow.gameState, GameState::OnlineMenu);
  EXPECT_NE(std::find(log.begin(), log.end(), "leave online"), log.end());
}

}  // namespace
