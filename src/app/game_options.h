#pragma once

#include <string>

#include "net/input_delay.h"

// The options beyond menu.inf's six values, kept as "key=value" lines in options.cfg in the
// config folder (menu.inf stays exactly as it is). Defaults at program start until ReadGameOptions.
// Every field is a whole number with its own range; a feature adds a field here and a key in
// game_options.cpp.
struct GameOptions {
  int vsync = 1;      // 1: wait for the display's refresh (adaptive where the driver has it)
  int windowed = 0;   // 1: a resizable window instead of full screen over the desktop (Alt+Enter)
  int rumble = 1;     // 1: a pad that can rumbles on a landed hit
  int subtitles = 0;  // 1: the spoken lines are shown as text (always while the sound is off)
  int onlineInputDelay = kDefaultInputDelay;  // 0..kMaxInputDelay ticks, online matches only
  int showPingAndRollback = 0;                // 1: online fights show the ping and the rollback depth
  int frameData = 1;  // 1: training shows its frame data
  int lifeRefill = 0; // training: 0 life refills below 0; 1 also a second after a combo
};

extern GameOptions UserOptions;

constexpr const char* kOptionsFileName = "options.cfg";

// Reads and writes options.cfg in the config folder.
void ReadGameOptions();
void WriteGameOptions();

// The same for a given file. Unknown keys are kept out; a value outside its key's range or not a
// number keeps that field's default and is named on standard error. False when nothing was written.
void ReadGameOptionsFrom(const std::string& path);
bool WriteGameOptionsTo(const std::string& path);

// The file's text for `options`, and `options` from a file's text (errors to `problems`, one line each).
std::string GameOptionsText(const GameOptions& options);
GameOptions GameOptionsFromText(const std::string& text, std::string* problems);
