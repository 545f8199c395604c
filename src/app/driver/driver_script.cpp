#include "app/driver/driver_script.h"

#include <cctype>
#include <cstdlib>
#include <sstream>

#include "app/input_state.h"
#include "app/key_names.h"

namespace {

constexpr int kDefaultUntilFrames = 10000;

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

struct NamedState {
  const char* name;
  GameState state;
};

constexpr NamedState kStateNames[] = {
    {"Fight", GameState::Fight},
    {"MainMenu", GameState::MainMenu},
    {"TwoPlayerSetup", GameState::TwoPlayerSetup},
    {"Pause", GameState::Pause},
    {"TrainingMenu", GameState::TrainingMenu},
    {"Options", GameState::Options},
    {"MoreOptions", GameState::MoreOptions},
    {"Controls", GameState::Controls},
    {"CareerMenu", GameState::CareerMenu},
    {"DifficultySelect", GameState::DifficultySelect},
    {"PreFight", GameState::PreFight},
    {"CareerStory", GameState::CareerStory},
    {"QuitConfirm", GameState::QuitConfirm},
    {"OnlineMenu", GameState::OnlineMenu},
    {"OnlineJoin", GameState::OnlineJoin},
    {"OnlineWaiting", GameState::OnlineWaiting},
    {"OnlineSetup", GameState::OnlineSetup},
};

// Splits a line into words; a word in double quotes may hold spaces. '#' starts a comment.
bool SplitWords(const std::string& line, std::vector<std::string>& words) {
  std::size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (std::isspace(static_cast<unsigned char>(c))) {
      ++i;
    } else if (c == '#') {
      break;
    } else if (c == '"') {
      const std::size_t close = line.find('"', i + 1);
      if (close == std::string::npos) return false;
      words.push_back(line.substr(i + 1, close - i - 1));
      i = close + 1;
    } else {
      std::size_t end = i;
      while (end < line.size() && !std::isspace(static_cast<unsigned char>(line[end]))) ++end;
      words.push_back(line.substr(i, end - i));
      i = end;
    }
  }
  return true;
}

bool Number(const std::string& word, double& value) {
  char* end = nullptr;
  value = std::strtod(word.c_str(), &end);
  return !word.empty() && *end == '\0';
}

bool WholeNumber(const std::string& word, int& value) {
  char* end = nullptr;
  const long parsed = std::strtol(word.c_str(), &end, 10);
  if (word.empty() || *end != '\0' || parsed < -1000000 || parsed > 1000000) return false;
  value = static_cast<int>(parsed);
  return true;
}

// Reads one line's command; on failure `error` says why.
class LineParser {
 public:
  LineParser(std::vector<std::string> words, ScriptCommand& command) : words_(std::move(words)), command_(command) {}

  std::string Parse() {
    const std::string verb = Lower(words_[0]);
    if (verb == "step") return Numbers(ScriptOp::Step, 1, true);
    if (verb == "timer") return Numbers(ScriptOp::TimerReadings, 2, false);
    if (verb == "wait") return Numbers(ScriptOp::Wait, 1, false);
    if (verb == "refuse-display") return Bare(ScriptOp::RefuseDisplay);
    if (verb == "clock") return Numbers(ScriptOp::Clock, 1, false);
    if (verb == "answer") return Answer();
    if (verb == "frames") return Frames();
    if (verb == "until") return Until();
    if (verb == "expect") return Expect();
    if (verb == "key") return Key();
    if (verb == "move") return Point(ScriptOp::Move);
    if (verb == "click") return Point(ScriptOp::Click);
    if (verb == "right-click") return Point(ScriptOp::RightClick);
    if (verb == "activate") return Bare(ScriptOp::Activate);
    if (verb == "deactivate") return Bare(ScriptOp::Deactivate);
    if (verb == "minimise" || verb == "minimize") return Bare(ScriptOp::Minimise);
    if (verb == "close") return Bare(ScriptOp::Close);
    if (verb == "screenshot") return Screenshot();
    if (verb == "tap") return Point(ScriptOp::Tap);
    if (verb == "pad") return Pad();
    if (verb == "resources") return Resources();
    if (verb == "repeat") return Repeat();
    if (verb == "end") return Bare(ScriptOp::End);
    return "unknown command '" + words_[0] + "'";
  }

 private:
  std::string Arity(std::size_t arguments, const char* usage) {
    return words_.size() == arguments + 1 ? "" : std::string("usage: ") + usage;
  }

  std::string Bare(ScriptOp op) {
    command_.op = op;
    return Arity(0, words_[0].c_str());
  }

  std::string Numbers(ScriptOp op, std::size_t count, bool positive) {
    command_.op = op;
    if (words_.size() != count + 1) return "'" + words_[0] + "' takes " + std::to_string(count) + " number(s)";
    for (std::size_t i = 0; i < count; ++i) {
      if (!Number(words_[i + 1], command_.number[i]) || command_.number[i] < 0.0 ||
          (positive && command_.number[i] == 0.0)) {
        return "'" + words_[i + 1] + "' is not a usable number";
      }
    }
    return "";
  }

  std::string Answer() {
    command_.op = ScriptOp::Answer;
    if (words_.size() != 2) return "usage: answer yes|no";
    const std::string answer = Lower(words_[1]);
    if (answer != "yes" && answer != "no") return "usage: answer yes|no";
    command_.yes = answer == "yes";
    return "";
  }

  std::string Frames() {
    command_.op = ScriptOp::Frames;
    if (words_.size() != 2 || !WholeNumber(words_[1], command_.count) || command_.count < 0) {
      return "usage: frames N";
    }
    return "";
  }

  std::string Until() {
    command_.op = ScriptOp::Until;
    command_.count = kDefaultUntilFrames;
    std::size_t end = words_.size();
    // "until CONDITION within N" bounds the wait.
    if (end >= 3 && Lower(words_[end - 2]) == "within") {
      if (!WholeNumber(words_[end - 1], command_.count) || command_.count < 0) return "usage: ... within N";
      end -= 2;
    }
    return Condition(1, end);
  }

  std::string Expect() {
    command_.op = ScriptOp::Expect;
    return Condition(1, words_.size());
  }

  std::string Condition(std::size_t first, std::size_t end) {
    if (first >= end) return "a condition is missing";
    ScriptCondition& condition = command_.condition;
    const std::string kind = Lower(words_[first]);
    const std::size_t arguments = end - first - 1;
    using Kind = ScriptCondition::Kind;
    if (kind == "state" && arguments == 1) {
      const auto state = GameStateNamed(words_[first + 1]);
      if (!state) return "unknown state '" + words_[first + 1] + "'";
      condition.kind = Kind::State;
      condition.state = *state;
      return "";
    }
    if (kind == "key" && arguments == 2) {
      const auto key = VirtualKeyNamed(words_[first + 1]);
      const std::string position = Lower(words_[first + 2]);
      if (!key) return "unknown key '" + words_[first + 1] + "'";
      if (position != "down" && position != "up") return "usage: key NAME down|up";
      condition.kind = position == "down" ? Kind::KeyDown : Kind::KeyUp;
      condition.virtualKey = *key;
      return "";
    }
    if (kind == "message" && arguments == 1) {
      condition.kind = Kind::Message;
      condition.text = words_[first + 1];
      return "";
    }
    if (kind == "online" && arguments == 1) {
      condition.kind = Kind::OnlineText;
      condition.text = words_[first + 1];
      return "";
    }
    if (kind == "step" && arguments == 1) {
      condition.kind = Kind::Step;
      if (!Number(words_[first + 1], condition.step)) return "usage: step S";
      return "";
    }
    if (kind == "distance" && arguments == 1) {
      condition.kind = Kind::Distance;
      if (!Number(words_[first + 1], condition.distance)) return "usage: distance D";
      return "";
    }
    if (kind == "winner" && arguments == 1) {
      condition.kind = Kind::Winner;
      const std::string fighter = Lower(words_[first + 1]);
      if (fighter != "one" && fighter != "two") return "usage: winner one|two";
      condition.pad = fighter == "one" ? 0 : 1;
      return "";
    }
    if (kind == "rumble" && arguments == 1) {
      condition.kind = Kind::Rumble;
      if (!WholeNumber(words_[first + 1], condition.pad) || condition.pad < 1 || condition.pad > 4) {
        return "usage: rumble N (N 1 to 4)";
      }
      condition.pad -= 1;
      return "";
    }
    if (kind == "pointer" && arguments == 2) {
      condition.kind = Kind::Pointer;
      if (!WholeNumber(words_[first + 1], condition.x) || !WholeNumber(words_[first + 2], condition.y)) {
        return "usage: pointer X Y";
      }
      return "";
    }
    static const std::pair<const char*, Kind> kBare[] = {
        {"loading", Kind::Loading}, {"loaded", Kind::Loaded},         {"active", Kind::Active},
        {"inactive", Kind::Inactive}, {"fullscreen", Kind::Fullscreen}, {"windowed", Kind::Windowed},
    };
    for (const auto& [name, bareKind] : kBare) {
      if (kind == name && arguments == 0) {
        condition.kind = bareKind;
        return "";
      }
    }
    return "unknown condition '" + words_[first] + "' (or wrong number of words)";
  }

  std::string Key() {
    if (words_.size() != 3) return "usage: key down|up|press NAME";
    const std::string action = Lower(words_[1]);
    if (action == "down") {
      command_.op = ScriptOp::KeyDown;
    } else if (action == "up") {
      command_.op = ScriptOp::KeyUp;
    } else if (action == "press") {
      command_.op = ScriptOp::KeyPress;
    } else {
      return "usage: key down|up|press NAME";
    }
    const auto key = VirtualKeyNamed(words_[2]);
    if (!key) return "unknown key '" + words_[2] + "'";
    command_.virtualKey = *key;
    return "";
  }

  std::string Point(ScriptOp op) {
    command_.op = op;
    if (words_.size() != 3 || !WholeNumber(words_[1], command_.x) || !WholeNumber(words_[2], command_.y)) {
      return "usage: " + words_[0] + " X Y (menu units, 800 x 600, y from the top)";
    }
    if (command_.x < 0 || command_.x >= 800 || command_.y < 0 || command_.y >= 600) {
      return "the point lies outside the 800 x 600 menu";
    }
    return "";
  }

  // pad attach|detach N, pad down|up|press N BUTTON, pad axis N AXIS VALUE
  std::string Pad() {
    const char* usage = "usage: pad attach|detach N, pad down|up|press N BUTTON, pad axis N AXIS VALUE (N 1 to 4)";
    if (words_.size() < 3) return usage;
    const std::string action = Lower(words_[1]);
    if (!WholeNumber(words_[2], command_.pad) || command_.pad < 1 || command_.pad > 4) return usage;
    command_.pad -= 1;
    if (action == "attach" || action == "detach") {
      command_.op = action == "attach" ? ScriptOp::PadAttach : ScriptOp::PadDetach;
      return words_.size() == 3 ? "" : usage;
    }
    if (action == "down" || action == "up" || action == "press") {
      command_.op = action == "down" ? ScriptOp::PadDown : action == "up" ? ScriptOp::PadUp : ScriptOp::PadPress;
      if (words_.size() != 4) return usage;
      const auto button = PadButtonNamed(words_[3]);
      if (!button) return "unknown pad button '" + words_[3] + "'";
      command_.button = *button;
      return "";
    }
    if (action == "axis") {
      command_.op = ScriptOp::PadAxisValue;
      static const char* const kAxes[kPadAxisCount] = {"leftx", "lefty", "rightx", "righty", "lefttrigger", "righttrigger"};
      if (words_.size() != 5) return usage;
      bool found = false;
      for (int i = 0; i < kPadAxisCount; ++i) {
        if (Lower(words_[3]) == kAxes[i]) {
          command_.axis = static_cast<PadAxis>(i);
          found = true;
        }
      }
      if (!found) return "unknown pad axis '" + words_[3] + "'";
      if (!WholeNumber(words_[4], command_.x) || command_.x < -32768 || command_.x > 32767) {
        return "an axis value runs from -32768 to 32767";
      }
      return "";
    }
    return usage;
  }

  std::string Screenshot() {
    command_.op = ScriptOp::Screenshot;
    if (words_.size() != 2) return "usage: screenshot FILE.png";
    command_.text = words_[1];
    return "";
  }

  // "repeat N [until CONDITION]": the lines up to its "end", N times at most, and no more once
  // the condition holds (it is checked before each pass).
  std::string Repeat() {
    command_.op = ScriptOp::Repeat;
    const char* usage = "usage: repeat N [until CONDITION]";
    if (words_.size() < 2 || !WholeNumber(words_[1], command_.count) || command_.count < 0) return usage;
    if (words_.size() == 2) return "";
    if (Lower(words_[2]) != "until") return usage;
    command_.conditional = true;
    return Condition(3, words_.size());
  }

  std::string Resources() {
    command_.op = ScriptOp::Resources;
    if (words_.size() != 2) return "usage: resources FILE";
    command_.text = words_[1];
    return "";
  }

  std::vector<std::string> words_;
  ScriptCommand& command_;
};

ParsedScript& Failed(ParsedScript& script, int line, const std::string& error) {
  script.error = std::to_string(line) + ": " + error;
  script.commands.clear();
  return script;
}

}  // namespace

std::optional<GameState> GameStateNamed(const std::string& name) {
  for (const NamedState& named : kStateNames) {
    if (Lower(name) == Lower(named.name)) return named.state;
  }
  return std::nullopt;
}

const char* GameStateName(GameState state) {
  for (const NamedState& named : kStateNames) {
    if (named.state == state) return named.name;
  }
  return "(unknown)";
}

ParsedScript ParseDriverScript(const std::string& source) {
  ParsedScript script;
  std::vector<std::size_t> openRepeats;  // indices of the repeats whose end is still to come
  std::istringstream lines(source);
  std::string line;
  int number = 0;
  while (std::getline(lines, line)) {
    ++number;
    std::vector<std::string> words;
    if (!SplitWords(line, words)) return Failed(script, number, "unclosed quote");
    if (words.empty()) continue;
    ScriptCommand command;
    command.line = number;
    const std::string error = LineParser(std::move(words), command).Parse();
    if (!error.empty()) return Failed(script, number, error);
    if (command.op == ScriptOp::Repeat) openRepeats.push_back(script.commands.size());
    if (command.op == ScriptOp::End) {
      if (openRepeats.empty()) return Failed(script, number, "'end' without its 'repeat'");
      command.jump = openRepeats.back();
      script.commands[openRepeats.back()].jump = script.commands.size() + 1;
      openRepeats.pop_back();
    }
    script.commands.push_back(std::move(command));
  }
  if (!openRepeats.empty()) return Failed(script, script.commands[openRepeats.back()].line, "'repeat' without its 'end'");
  return script;
}
