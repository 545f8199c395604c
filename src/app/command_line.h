#pragma once

#include <string>
#include <vector>

#include "app/online_command_line.h"

// The game's few command-line options, read in order; of --windowed and --fullscreen the later wins.
struct CommandLine {
  bool help = false;
  bool version = false;
  int windowed = -1;       // 1: --windowed, 0: --fullscreen, -1: as the options say (this run only)
  std::string replayFile;  // --replay FILE: watch this replay instead of the main menu
  int replaySpeed = 1;     // --replay-speed 1, 2 or 4
  OnlineStart online;      // --host [PORT] / --join HOST[:PORT]: start on the online waiting screen
  std::string error;       // set when the arguments cannot be used
};

CommandLine ParseCommandLine(const std::vector<std::string>& arguments);  // without the program name

// The text of --help.
std::string CommandLineHelp(const std::string& program);
