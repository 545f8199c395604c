#include "screens/online_screen_rules.h"

#include "app/input_state.h"

OnlineScreenState OnlineScreen;

namespace {

char AddressCharacter(int key, bool shift) {
  if (key >= '0' && key <= '9' && !shift) return static_cast<char>(key);
  if (key >= 0x60 && key <= 0x69) return static_cast<char>('0' + key - 0x60);  // the keypad's digits
  if (key >= 'A' && key <= 'Z') return static_cast<char>(key - 'A' + 'a');      // host names are lower case
  switch (key) {
    case 0xBE:  // . on the main block
    case 0x6E:  // and on the keypad
      return '.';
    case 0xBA: return shift ? ':' : '\0';
    case 0xBD: return shift ? '\0' : '-';
    case 0xDB: return shift ? '\0' : '[';
    case 0xDD: return shift ? '\0' : ']';
    default: return '\0';
  }
}

}  // namespace

bool TypeAddressKey(int virtualKey, bool shift) {
  std::string& text = OnlineScreen.address;
  if (virtualKey == VirtualKey::Back) {
    if (text.empty()) return false;
    text.pop_back();
    return true;
  }
  const char c = AddressCharacter(virtualKey, shift);
  if (c == '\0' || text.size() >= kMaxAddressLength) return false;
  text += c;
  return true;
}
