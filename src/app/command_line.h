#pragma once

#include <string>

// What the command line asks of a run. Options are read in order; a later one of --windowed and
// --fullscreen wins over an earlier one.
struct CommandLine {
  bool help = false;
  bool version = false;
  // 1: start in a window, 0: start full screen, -1: as the options say.
  int windowed = -1;
  // Not empty when the command line cannot be used: what is wrong with it.
  std::string error;
};

CommandLine ParseCommandLine(int argc, const char* const* argv);

// The text of --help and of --version.
std::string CommandLineHelp();
std::string VersionText();
