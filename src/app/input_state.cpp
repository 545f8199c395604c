#include "app/input_state.h"

std::uint8_t KeyState[256] = {};
std::uint8_t KeyLatch[256] = {};
bool WindowActive = true;

void ClearReleasedKeyLatches() {
  for (int key = 0; key < 256; ++key) {
    if (KeyState[key] == 0) KeyLatch[key] = 0;
  }
}
