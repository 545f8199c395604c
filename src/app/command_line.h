#pragma once

#include <string>
#include <vector>

// The game's few command-line options.
struct CommandLine {
  bool help = false;
  bool version = false;
  std::string replayFile;  // --replay FILE: watch this replay instead of the main menu
  std::string error;       // set when the arguments cannot be used
};

CommandLine ParseCommandLine(const std::vector<std::string>& arguments);  // without the program name

// The text of --help.
std::string CommandLineHelp(const std::string& program);
