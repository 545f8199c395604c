#pragma once

#include <string>

#include "app/replay_file.h"

// Where finished matches are kept: "<data folder>/replays/", one file per match named by the time
// it ended, the newest kKeptReplays kept.
constexpr int kKeptReplays = 20;
std::string ReplayFolder();

// Writes `replay` as the newest file and removes all but the newest kKeptReplays. The path
// written, or "" with `error` set.
std::string StoreReplay(const Replay& replay, std::string& error);

// The newest replay file, or "" when there is none.
std::string NewestReplayPath();
