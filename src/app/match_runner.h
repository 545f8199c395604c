#pragma once

#include <cstdint>
#include <functional>

#include "fight/fighter_command.h"

// Plays whole matches without a window: each frame does what the game's fight frame does for the
// rules (keys through the default bindings into commands, FightTick, a finished match handed to
// the screens' rules). Used by tests, the sync test and benchmarks.

struct MatchSetup {
  int gameMode = 0;           // GameMode: QuickFight, Career or TwoPlayers
  int characters[2] = {0, 1};
  int arena = 1;
  int difficulty = 2;         // the career's level
  float step = 1.67f;         // frame step in hundredths of a second (1.67 = 60 frames per second)
  std::uint32_t seed = 1;     // the fight's generator
};

// Sets the keys that are down in this frame; `seconds` is the simulated time since the fight started.
using KeyScript = std::function<void(float seconds, std::uint8_t (&keys)[256])>;

struct MatchResult {
  bool finished = false;       // the match ended and the screens took over
  int roundsLost[2] = {0, 0};  // at the end of the match
  int rounds = 0;
  int frames = 0;
  float seconds = 0.0f;        // simulated
};

class MatchRunner {
 public:
  explicit MatchRunner(const MatchSetup& setup);

  // Sets the screen flow and match selections as the menus would and starts the fight.
  void Start();
  // One frame with the keys of `script`. False once the match has ended (GameState left Fight).
  bool RunFrame(const KeyScript& script);
  // One frame with these commands.
  bool RunFrame(const FighterCommand (&commands)[2]);
  // Frames until the match ends or `limitSeconds` of simulated time have passed.
  MatchResult RunToEnd(const KeyScript& script, float limitSeconds);

  float seconds() const { return seconds_; }
  int frames() const { return frames_; }
  const MatchResult& result() const { return result_; }

 private:
  MatchSetup setup_;
  float seconds_ = 0.0f;
  int frames_ = 0;
  MatchResult result_;
};

// A simple player for fighter one: walks in until the head punch reaches, then strikes with the
// three attacks in turn, pressing one key every other frame and blocking now and then.
struct BrawlerScript {
  int frame = 0;
  void operator()(float seconds, std::uint8_t (&keys)[256]);
};

// No key at all.
void IdleScript(float seconds, std::uint8_t (&keys)[256]);
