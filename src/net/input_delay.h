#pragma once

// How many ticks after it is pressed a player's own command takes effect online: the peer's copy
// then arrives in time more often and fewer ticks are rolled back. A user option.
constexpr int kDefaultInputDelay = 2;
constexpr int kMaxInputDelay = 4;
