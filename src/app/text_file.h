#pragma once

#include <string>

// The helpers of the game's small "key=value" text files (options.cfg, controls.cfg).

// `s` without the spaces, tabs and carriage returns at either end.
std::string Trimmed(const std::string& s);

// The whole file at `path` into `text`; false (text untouched) when it cannot be opened.
bool ReadWholeFile(const std::string& path, std::string& text);
