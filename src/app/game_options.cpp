#include "app/game_options.h"

#include <cerrno>
#include <cstdlib>
#include <sstream>

#include "app/atomic_file.h"
#include "app/text_file.h"
#include "app/user_folders.h"

GameOptions UserOptions;

namespace {

struct OptionKey {
  const char* key;
  int GameOptions::*field;
  int lowest;
  int highest;
};

constexpr OptionKey kOptionKeys[] = {
    {"vsync", &GameOptions::vsync, 0, 1},
    {"windowed", &GameOptions::windowed, 0, 1},
    {"rumble", &GameOptions::rumble, 0, 1},
    {"subtitles", &GameOptions::subtitles, 0, 1},
    {"online_input_delay", &GameOptions::onlineInputDelay, 0, kMaxInputDelay},
    {"show_ping_and_rollback", &GameOptions::showPingAndRollback, 0, 1},
    {"frame_data", &GameOptions::frameData, 0, 1},
    {"life_refill", &GameOptions::lifeRefill, 0, 1},
};

const OptionKey* KeyNamed(const std::string& key) {
  for (const OptionKey& k : kOptionKeys) {
    if (key == k.key) return &k;
  }
  return nullptr;
}

bool ParseWhole(const std::string& text, int& value) {
  if (text.empty()) return false;
  errno = 0;
  char* end = nullptr;
  const long parsed = std::strtol(text.c_str(), &end, 10);
  if (errno != 0 || *end != '\0' || parsed < -1000000 || parsed > 1000000) return false;
  value = static_cast<int>(parsed);
  return true;
}

}  // namespace

std::string GameOptionsText(const GameOptions& options) {
  std::string text;
  for (const OptionKey& k : kOptionKeys) text += std::string(k.key) + "=" + std::to_string(options.*k.field) + "\n";
  return text;
}

GameOptions GameOptionsFromText(const std::string& text, std::string* problems) {
  GameOptions options;
  std::istringstream lines(text);
  std::string line;
  int number = 0;
  auto complain = [&](const std::string& what) {
    if (problems) *problems += "options.cfg line " + std::to_string(number) + ": " + what + "\n";
  };
  while (std::getline(lines, line)) {
    ++number;
    line = Trimmed(line);
    if (line.empty() || line[0] == '#') continue;
    const auto equals = line.find('=');
    if (equals == std::string::npos) {
      complain("no '=' in \"" + line + "\", ignored");
      continue;
    }
    const std::string key = Trimmed(line.substr(0, equals));
    const OptionKey* k = KeyNamed(key);
    if (!k) {
      complain("unknown option \"" + key + "\", ignored");
      continue;
    }
    int value = 0;
    if (!ParseWhole(Trimmed(line.substr(equals + 1)), value) || value < k->lowest || value > k->highest) {
      complain("\"" + key + "\" needs a number from " + std::to_string(k->lowest) + " to " +
               std::to_string(k->highest) + ", default kept");
      continue;
    }
    options.*k->field = value;
  }
  return options;
}

void ReadGameOptionsFrom(const std::string& path) {
  UserOptions = ReadTextFileValues(path, GameOptionsFromText, GameOptions{});
}

bool WriteGameOptionsTo(const std::string& path) {
  const std::string text = GameOptionsText(UserOptions);
  return WriteFileAtomically(path, text.data(), text.size());
}

void ReadGameOptions() { ReadGameOptionsFrom(ConfigFilePath(kOptionsFileName)); }

void WriteGameOptions() {
  // The config folder may not exist on a first run; one that cannot be made is reported once.
  if (!PrepareWritableFolder(ConfigFolder())) return;
  WriteGameOptionsTo(ConfigFilePath(kOptionsFileName));  // a failure is said on standard error
}
