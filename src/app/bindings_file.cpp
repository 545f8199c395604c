#include "app/bindings_file.h"

#include <sstream>

#include "app/atomic_file.h"
#include "app/input_state.h"
#include "app/key_names.h"
#include "app/text_file.h"
#include "app/user_folders.h"

namespace {

constexpr const char* kFighterNames[2] = {"one", "two"};
constexpr const char* kInputNames[kFightInputCount] = {"forward", "back", "block", "head", "body", "leg"};
constexpr const char* kInputLabels[kFightInputCount] = {"forward",      "back",         "block",
                                                        "hand to head", "hand to body", "leg to body"};

struct Entry {
  int fighter = -1;
  int input = -1;
  bool pad = false;
};

bool ParseEntryName(const std::string& name, Entry& entry) {
  for (int f = 0; f < 2; ++f) {
    for (int i = 0; i < kFightInputCount; ++i) {
      const std::string stem = std::string(kFighterNames[f]) + "." + kInputNames[i] + ".";
      if (name == stem + "key" || name == stem + "pad") {
        entry = Entry{f, i, name == stem + "pad"};
        return true;
      }
    }
  }
  return false;
}

std::string EntryName(int fighter, int input, bool pad) {
  return std::string(kFighterNames[fighter]) + "." + kInputNames[input] + (pad ? ".pad" : ".key");
}

}  // namespace

bool BindableKey(int key) {
  return key > 0 && key < 256 && key != VirtualKey::Escape && key != VirtualKey::Menu && key != VirtualKey::F10;
}

bool BindableButton(PadButton b) { return b != PadButton::Start && b != PadButton::Back && b != PadButton::Guide; }

const char* FightInputFileName(int input) { return kInputNames[input]; }
const char* FightInputLabel(int input) { return kInputLabels[input]; }

bool KeyBoundElsewhere(const FightBindings& b, int key, int fighter, int input, int& otherFighter, int& otherInput) {
  for (int f = 0; f < 2; ++f) {
    for (int i = 0; i < kFightInputCount; ++i) {
      if ((f != fighter || i != input) && b.key[f][i] == key && key != 0) {
        otherFighter = f;
        otherInput = i;
        return true;
      }
    }
  }
  return false;
}

bool PadBoundElsewhere(const FightBindings& b, PadButton button, int fighter, int input, int& otherInput) {
  for (int i = 0; i < kFightInputCount; ++i) {
    if (i != input && b.pad[fighter][i] == button) {
      otherInput = i;
      return true;
    }
  }
  return false;
}

std::string BindingsText(const FightBindings& b) {
  std::string text = "# Brelloch controls: the key and the pad button of each fighter's actions\n";
  for (int f = 0; f < 2; ++f) {
    for (int i = 0; i < kFightInputCount; ++i) {
      text += EntryName(f, i, false) + "=" + KeyFileName(b.key[f][i]) + "\n";
      text += EntryName(f, i, true) + "=" + PadButtonFileName(b.pad[f][i]) + "\n";
    }
  }
  text += std::string("single-pad=") + (b.singlePad == SinglePad::PlaysFighterOne ? "fighter-one" : "fighter-two") + "\n";
  return text;
}

FightBindings BindingsFromText(const std::string& text, std::string* problems) {
  const FightBindings defaults = DefaultFightBindings();
  FightBindings b = defaults;
  std::istringstream lines(text);
  std::string line;
  int number = 0;
  auto complain = [&](const std::string& what) {
    if (problems) *problems += std::string(kBindingsFileName) + " line " + std::to_string(number) + ": " + what + "\n";
  };
  bool given[2][kFightInputCount][2] = {};
  while (std::getline(lines, line)) {
    ++number;
    line = Trimmed(line);
    if (line.empty() || line[0] == '#') continue;
    const auto equals = line.find('=');
    if (equals == std::string::npos) {
      complain("no '=' in \"" + line + "\", ignored");
      continue;
    }
    const std::string name = Trimmed(line.substr(0, equals));
    const std::string value = Trimmed(line.substr(equals + 1));
    if (name == "single-pad") {
      if (value == "fighter-one" || value == "fighter-two") {
        b.singlePad = value == "fighter-one" ? SinglePad::PlaysFighterOne : SinglePad::PlaysFighterTwo;
      } else {
        complain("single-pad needs fighter-one or fighter-two, default kept");
      }
      continue;
    }
    Entry e;
    if (!ParseEntryName(name, e)) {
      complain("unknown entry \"" + name + "\", ignored");
      continue;
    }
    if (e.pad) {
      const auto button = PadButtonNamed(value);
      int other = 0;
      if (!button || !BindableButton(*button)) {
        complain(name + ": \"" + value + "\" is not a usable pad button, default kept");
      } else if (PadBoundElsewhere(b, *button, e.fighter, e.input, other) && given[e.fighter][other][1]) {
        complain(name + ": " + value + " is already " + EntryName(e.fighter, other, true) + ", default kept");
      } else {
        b.pad[e.fighter][e.input] = *button;
        given[e.fighter][e.input][1] = true;
      }
    } else {
      const auto key = VirtualKeyNamed(value);
      int otherFighter = 0;
      int otherInput = 0;
      if (!key || !BindableKey(*key)) {
        complain(name + ": \"" + value + "\" is not a usable key, default kept");
      } else if (KeyBoundElsewhere(b, *key, e.fighter, e.input, otherFighter, otherInput) &&
                 given[otherFighter][otherInput][0]) {
        complain(name + ": " + value + " is already " + EntryName(otherFighter, otherInput, false) + ", default kept");
      } else {
        b.key[e.fighter][e.input] = *key;
        given[e.fighter][e.input][0] = true;
      }
    }
  }
  // A key taken from an entry the file left at its default binds two entries: both go back to
  // their defaults (which are all different), until nothing is bound twice.
  for (bool reverted = true; reverted;) {
    reverted = false;
    for (int f = 0; f < 2; ++f) {
      for (int i = 0; i < kFightInputCount; ++i) {
        int otherFighter = 0;
        int otherInput = 0;
        if (b.key[f][i] != defaults.key[f][i] && KeyBoundElsewhere(b, b.key[f][i], f, i, otherFighter, otherInput)) {
          complain(EntryName(f, i, false) + ": " + KeyFileName(b.key[f][i]) + " is also " +
                   EntryName(otherFighter, otherInput, false) + ", default kept");
          b.key[f][i] = defaults.key[f][i];
          reverted = true;
        }
        if (b.pad[f][i] != defaults.pad[f][i] && PadBoundElsewhere(b, b.pad[f][i], f, i, otherInput)) {
          complain(EntryName(f, i, true) + ": " + PadButtonFileName(b.pad[f][i]) + " is also " +
                   EntryName(f, otherInput, true) + ", default kept");
          b.pad[f][i] = defaults.pad[f][i];
          reverted = true;
        }
      }
    }
  }
  return b;
}

void ReadBindingsFrom(const std::string& path) {
  ActiveFightBindings = ReadTextFileValues(path, BindingsFromText, DefaultFightBindings());
}

bool WriteBindingsTo(const std::string& path) {
  const std::string text = BindingsText(ActiveFightBindings);
  return WriteFileAtomically(path, text.data(), text.size());
}

void ReadBindings() { ReadBindingsFrom(ConfigFilePath(kBindingsFileName)); }

void WriteBindings() {
  MakeConfigFolder();
  WriteBindingsTo(ConfigFilePath(kBindingsFileName));  // a failure is said on standard error
}
