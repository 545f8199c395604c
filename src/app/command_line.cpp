#include "app/command_line.h"

#include <string_view>

CommandLine ParseCommandLine(int argc, const char* const* argv) {
  CommandLine line;
  for (int i = 1; i < argc; ++i) {
    const std::string_view option = argv[i];
    if (option == "-h" || option == "--help") {
      line.help = true;
    } else if (option == "--version") {
      line.version = true;
    } else if (option == "--windowed") {
      line.windowed = 1;
    } else if (option == "--fullscreen") {
      line.windowed = 0;
    } else {
      line.error = "unknown option '" + std::string(option) + "'";
      return line;
    }
  }
  return line;
}

std::string CommandLineHelp() {
  return "Usage: brelloch [OPTION]...\n"
         "A 3D street-fighting game.\n"
         "\n"
         "  --windowed     start in a resizable window\n"
         "  --fullscreen   start full screen over the desktop\n"
         "  -h, --help     show this help and exit\n"
         "      --version  show the version and exit\n"
         "\n"
         "Alt+Enter switches between full screen and a window while playing.\n"
         "Settings are kept in $XDG_CONFIG_HOME/brelloch, the career in $XDG_DATA_HOME/brelloch.\n";
}

std::string VersionText() { return std::string("brelloch ") + BRELLOCH_VERSION + "\n"; }
