#pragma once

#include "app/fight_bindings.h"
#include "app/game_options.h"
#include "app/replay_file.h"
#include "app/settings.h"

// The two contents save_loop_helper switches each file between.
namespace save_loop {

inline const GameSettings kSettings[2] = {{0, 640, 480, 16, 16, true, false, 7},
                                          {2, 1024, 768, 32, 24, false, true, 9}};
inline const int kCareer[2][3] = {{1, 2, 3}, {7, 7, 5}};
inline const GameOptions kOptions[2] = {{0}, {1}};

inline FightBindings Bindings(int which) {
  FightBindings b = DefaultFightBindings();
  if (which == 1) b.singlePad = b.singlePad == SinglePad::PlaysFighterOne ? SinglePad::PlaysFighterTwo
                                                                          : SinglePad::PlaysFighterOne;
  return b;
}

// Replays of a few hundred frames, as long as a short match's, so their writes take a while too.
inline Replay RecordedReplay(int which) {
  Replay r;
  r.gameVersion = GameVersion();
  r.seed = which == 0 ? 11u : 4242u;
  r.arena = 1 + which * 3;
  r.characters[1] = 2 + which;
  r.startState.assign(600, static_cast<std::uint8_t>(which));
  for (int i = 0; i < 3000 + 1000 * which; ++i) {
    ReplayFrame f;
    f.step = 1.67f;
    f.simulate = true;
    f.commands[0].held = static_cast<std::uint8_t>((i + which) % 64);
    r.frames.push_back(f);
  }
  r.finalHash = 0x1234u + static_cast<unsigned>(which);
  return r;
}

}  // namespace save_loop
