#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "app/fight_bindings.h"
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
    Settings = GameSettings{};
    Settings.soundOn = true;
    Settings.musicOn = true;
    FightFrame.step = 1.0f;
    FightFrame.simulate = true;
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
    EndFight(ScreenFlow.gameState != GameState::Fight);
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
    StartFight(arena, 1);
  }

  // The commands the default bindings make of the keys in KeyState.
  static void KeyCommands(FighterCommand (&commands)[2]) {
    BuildFighterCommands(KeyState, MatchState.gameMode == TwoPlayers, DefaultFightBindings(), commands);
  }

  // One fighter's controller on the keys in KeyState, its released strikes freed first as the
  // fight tick frees them.
  static void RunKeyboardController(int fighter) {
    FighterCommand commands[2];
    KeyCommands(commands);
    ReleaseStrikeLatch(fighter, commands[fighter]);
    RunPlayerController(fighter, commands[fighter]);
  }

  // The simulation part of a fight frame on the keys in KeyState.
  static void FightUpdate() {
    FighterCommand commands[2];
    KeyCommands(commands);
    ReleaseStrikeLatch(0, commands[0]);
    ReleaseStrikeLatch(1, commands[1]);
    ::FightUpdate(commands);
  }

  static bool StrikeLatched(int fighter, FightInput input) {
    return (Fighters[fighter].strikeLatch >> static_cast<int>(input)) & 1u;
  }

  // The live part of the round, as the intro leaves it.
  static void GoLive() {
    MatchState.introActive = false;
    MatchState.fightLive = true;
    MatchState.roundOver = false;
    MatchState.RoundClock = 0.0f;
  }
};
