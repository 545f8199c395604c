#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// The whole content of a file named by a game path (backslashes allowed); nothing when it cannot
// be opened for reading.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(const char* gamePath);
