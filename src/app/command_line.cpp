#include "app/command_line.h"

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine line;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& a = arguments[i];
    if (ReadOnlineOption(arguments, &i, &line.online, &line.error)) {
      if (!line.error.empty()) return line;
      --i;  // the loop steps past what was read
    } else if (a == "--help" || a == "-h") {
      line.help = true;
    } else if (a == "--version") {
      line.version = true;
    } else if (a == "--windowed") {
      line.windowed = 1;
    } else if (a == "--fullscreen") {
      line.windowed = 0;
    } else if (a == "--replay") {
      if (i + 1 >= arguments.size()) {
        line.error = "--replay needs a replay file";
        return line;
      }
      line.replayFile = arguments[++i];
    } else if (a == "--replay-speed") {
      const std::string speed = i + 1 < arguments.size() ? arguments[++i] : "";
      if (speed != "1" && speed != "2" && speed != "4") {
        line.error = "--replay-speed takes 1, 2 or 4";
        return line;
      }
      line.replaySpeed = speed[0] - '0';
    } else {
      line.error = "unknown option '" + a + "'";
      return line;
    }
  }
  return line;
}

std::string CommandLineHelp(const std::string& program) {
  return "Usage: " + program + " [OPTION]...\n"
         "A street fight for two, on one line, in seven rooms of a night city.\n\n"
         "  --windowed     start in a resizable window (this run only)\n"
         "  --fullscreen   start full screen over the desktop (this run only)\n"
         "  --replay FILE  watch a recorded match (replays are kept in the data folder)\n"
         "  --replay-speed N  watch it at 1, 2 or 4 times its speed\n"
         "  --host [PORT]  wait for another player to join online, on PORT (default 7710)\n"
         "  --join HOST[:PORT]\n"
         "                 join the game hosted at HOST (an IPv6 address as [ADDRESS]:PORT)\n"
         "  --version      print the version and exit\n"
         "  -h, --help     print this help and exit\n"
         "\n"
         "Alt+Enter switches between full screen and a window while playing.\n"
         "Settings are kept in $XDG_CONFIG_HOME/brelloch, the career and replays in $XDG_DATA_HOME/brelloch.\n";
}
