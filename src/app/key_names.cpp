#include "app/key_names.h"

#include <cctype>

#include "app/input_state.h"

namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

struct NamedKey {
  const char* name;   // the first name of a key is the one written to files
  int virtualKey;
  const char* label;
};

constexpr NamedKey kKeyNames[] = {
    {"Backspace", VirtualKey::Back, "BACKSPACE"}, {"Tab", VirtualKey::Tab, "TAB"},
    {"Return", VirtualKey::Return, "ENTER"},      {"Enter", VirtualKey::Return, "ENTER"},
    {"Shift", VirtualKey::Shift, "SHIFT"},        {"Control", VirtualKey::Control, "CTRL"},
    {"Ctrl", VirtualKey::Control, "CTRL"},        {"Alt", VirtualKey::Menu, "ALT"},
    {"Pause", VirtualKey::Pause, "PAUSE"},        {"Escape", VirtualKey::Escape, "ESCAPE"},
    {"Esc", VirtualKey::Escape, "ESCAPE"},        {"Space", VirtualKey::Space, "SPACE"},
    {"PageUp", VirtualKey::PageUp, "PAGE UP"},    {"PageDown", VirtualKey::PageDown, "PAGE DOWN"},
    {"End", VirtualKey::End, "END"},              {"Home", VirtualKey::Home, "HOME"},
    {"Left", VirtualKey::Left, "LEFT ARROW"},     {"Up", VirtualKey::Up, "UP ARROW"},
    {"Right", VirtualKey::Right, "RIGHT ARROW"},  {"Down", VirtualKey::Down, "DOWN ARROW"},
    {"Insert", VirtualKey::Insert, "INSERT"},     {"Delete", VirtualKey::Delete, "DELETE"},
};

bool IsLetterOrDigit(int virtualKey) {
  return (virtualKey >= '0' && virtualKey <= '9') || (virtualKey >= 'A' && virtualKey <= 'Z');
}

struct NamedButton {
  const char* name;
  const char* label;
};

// In PadButton order.
constexpr NamedButton kButtonNames[kPadButtonCount] = {
    {"A", "A"},
    {"B", "B"},
    {"X", "X"},
    {"Y", "Y"},
    {"Back", "BACK"},
    {"Guide", "GUIDE"},
    {"Start", "START"},
    {"LeftStick", "LEFT STICK"},
    {"RightStick", "RIGHT STICK"},
    {"LeftShoulder", "LB"},
    {"RightShoulder", "RB"},
    {"DpadUp", "D-PAD UP"},
    {"DpadDown", "D-PAD DOWN"},
    {"DpadLeft", "D-PAD LEFT"},
    {"DpadRight", "D-PAD RIGHT"},
    {"LeftTrigger", "LT"},
    {"RightTrigger", "RT"},
    {"StickUp", "STICK UP"},
    {"StickDown", "STICK DOWN"},
    {"StickLeft", "STICK LEFT"},
    {"StickRight", "STICK RIGHT"},
};

}  // namespace

std::optional<int> VirtualKeyNamed(const std::string& name) {
  const std::string lower = Lower(name);
  if (lower.size() == 1 && std::isalnum(static_cast<unsigned char>(lower[0]))) {
    return std::toupper(static_cast<unsigned char>(lower[0]));
  }
  if (lower.size() >= 2 && lower.size() <= 3 && lower[0] == 'f' && std::isdigit(static_cast<unsigned char>(lower[1])) &&
      (lower.size() == 2 || std::isdigit(static_cast<unsigned char>(lower[2])))) {
    const int number = std::stoi(lower.substr(1));
    if (number >= 1 && number <= 12) return VirtualKey::F1 + number - 1;
  }
  for (const NamedKey& key : kKeyNames) {
    if (lower == Lower(key.name)) return key.virtualKey;
  }
  return std::nullopt;
}

std::string KeyFileName(int virtualKey) {
  if (IsLetterOrDigit(virtualKey)) return std::string(1, static_cast<char>(virtualKey));
  if (virtualKey >= VirtualKey::F1 && virtualKey <= VirtualKey::F12) {
    return "F" + std::to_string(virtualKey - VirtualKey::F1 + 1);
  }
  for (const NamedKey& key : kKeyNames) {
    if (key.virtualKey == virtualKey) return key.name;
  }
  return "";
}

std::string KeyLabel(int virtualKey) {
  if (IsLetterOrDigit(virtualKey) || (virtualKey >= VirtualKey::F1 && virtualKey <= VirtualKey::F12)) {
    return KeyFileName(virtualKey);
  }
  for (const NamedKey& key : kKeyNames) {
    if (key.virtualKey == virtualKey) return key.label;
  }
  return "?";
}

std::optional<PadButton> PadButtonNamed(const std::string& name) {
  const std::string lower = Lower(name);
  for (int i = 0; i < kPadButtonCount; ++i) {
    if (lower == Lower(kButtonNames[i].name)) return static_cast<PadButton>(i);
  }
  return std::nullopt;
}

const char* PadButtonFileName(PadButton button) { return kButtonNames[static_cast<int>(button)].name; }
const char* PadButtonLabel(PadButton button) { return kButtonNames[static_cast<int>(button)].label; }
