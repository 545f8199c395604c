#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "app/frame_clock.h"
#include "app/input_state.h"
#include "app/settings.h"
#include "fight/fight.h"
#include "fight/recording_hooks.h"
#include "screens/screen_flow.h"

// Puts every fight record back to program start, installs a recorder and loads the roster.
class FightTest : public ::testing::Test {
 protected:
  RecordingFightHooks hooks;

  void SetUp() override {
    EndFightIfRunning();
    Fighters[0] = Fighter{};
    Fighters[1] = Fighter{};
    FighterStatuses[0] = FighterStatus{};
    FighterStatuses[1] = FighterStatus{};
    MatchState = MatchRecord{};
    CareerState = CareerRecord{};
    ScreenFlow = ScreenFlowState{};
    std::memset(KeyState, 0, sizeof KeyState);
    std::memset(KeyLatch, 0, sizeof KeyLatch);
    Settings = GameSettings{};
    Settings.soundOn = true;
    Settings.musicOn = true;
    FrameClock.step = 1.0f;
    FrameClock.fightTick = true;
    std::srand(1234);
    SetFightHooks(&hooks);
    LoadRoster();
    hooks.calls.clear();
  }

  void TearDown() override {
    EndFightIfRunning();
    SetFightHooks(nullptr);
  }

  static void EndFightIfRunning() {
    SetFightHooks(nullptr);
    EndFight();
  }

  // A fight between two characters as the versus screen's NEXT starts it.
  void BeginFight(int mode, int one, int two, int arena = 1) {
    MatchState.gameMode = mode;
    ScreenFlow.careerMode = mode == Career;
    ScreenFlow.twoPlayerMode = mode == TwoPlayers;
    MatchState.character[0] = one;
    MatchState.character[1] = two;
    MatchState.arena = arena;
    ScreenFlow.gameState = GameState::Fight;
    PrepareFightStart();
    StartFight(arena);
  }

  // The live part of the round, as the intro leaves it.
  static void GoLive() {
    MatchState.introActive = false;
    MatchState.fightLive = true;
    MatchState.roundOver = false;
    MatchState.RoundClock = 0.0f;
  }
};
