#pragma once

#include <string>

// fight.inf: exactly 12 bytes, three little-endian int32 (progress, opponent, difficulty), no header.

// Reads the three values. False when the file cannot be opened (then `values` is untouched).
// A value whose bytes run past the end of the file reads as -1.
bool ReadCareerFile(const std::string& path, int (&values)[3]);

// Writes the three values through a temporary file renamed over `path`, creating the folder when
// missing, so that a failed write never leaves a cut file behind. False when nothing was written.
bool WriteCareerFile(const std::string& path, const int (&values)[3]);

// The ranges of the file's values: progress 0..7, opponent 1..7, difficulty 1..5.
bool CareerValuesInRange(const int (&values)[3]);
