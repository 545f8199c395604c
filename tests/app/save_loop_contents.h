#pragma once

#include "app/game_options.h"
#include "app/settings.h"

// The two contents save_loop_helper switches each file between.
namespace save_loop {

inline const GameSettings kSettings[2] = {{0, 640, 480, 16, 16, true, false, 7},
                                          {2, 1024, 768, 32, 24, false, true, 9}};
inline const int kCareer[2][3] = {{1, 2, 3}, {7, 7, 5}};
inline const GameOptions kOptions[2] = {{0}, {1}};

}  // namespace save_loop
