#include "app/pad_state.h"

PadSet Pads;

namespace {

constexpr std::uint32_t Bit(PadButton button) { return 1u << static_cast<int>(button); }

PadRecord* PadWithId(int id) {
  const int slot = PadSlotOf(id);
  return slot < 0 ? nullptr : &Pads.slot[slot];
}

// Sets or clears `button` by how far the axis is pushed, with hysteresis; returns it when newly held.
std::uint32_t Threshold(PadRecord& pad, PadButton button, int push) {
  const std::uint32_t bit = Bit(button);
  const bool wasHeld = (pad.held & bit) != 0;
  const bool held = wasHeld ? push > kPadReleaseThreshold : push >= kPadPressThreshold;
  pad.held = held ? (pad.held | bit) : (pad.held & ~bit);
  return held && !wasHeld ? bit : 0;
}

}  // namespace

int PadSlotOf(int id) {
  if (id < 0) return -1;
  for (int slot = 0; slot < kPadSlots; ++slot) {
    if (Pads.slot[slot].id == id) return slot;
  }
  return -1;
}

int PadPluggedIn(int id) {
  if (const int known = PadSlotOf(id); known >= 0) return known;
  for (int slot = 0; slot < kPadSlots; ++slot) {
    if (Pads.slot[slot].id < 0) {
      Pads.slot[slot] = PadRecord{id, 0};
      return slot;
    }
  }
  return -1;
}

int PadPulledOut(int id) {
  const int slot = PadSlotOf(id);
  if (slot >= 0) Pads.slot[slot] = PadRecord{};
  return slot;
}

std::uint32_t PadButtonChanged(int id, PadButton button, bool down) {
  PadRecord* pad = PadWithId(id);
  if (pad == nullptr) return 0;
  const std::uint32_t bit = Bit(button);
  const bool wasHeld = (pad->held & bit) != 0;
  pad->held = down ? (pad->held | bit) : (pad->held & ~bit);
  return down && !wasHeld ? bit : 0;
}

std::uint32_t PadAxisChanged(int id, PadAxis axis, int value) {
  PadRecord* pad = PadWithId(id);
  if (pad == nullptr) return 0;
  switch (axis) {
    case PadAxis::LeftX:
      return Threshold(*pad, PadButton::StickLeft, -value) | Threshold(*pad, PadButton::StickRight, value);
    case PadAxis::LeftY:  // y grows downward
      return Threshold(*pad, PadButton::StickUp, -value) | Threshold(*pad, PadButton::StickDown, value);
    case PadAxis::LeftTrigger:
      return Threshold(*pad, PadButton::LeftTrigger, value);
    case PadAxis::RightTrigger:
      return Threshold(*pad, PadButton::RightTrigger, value);
    case PadAxis::RightX:
    case PadAxis::RightY:
      return 0;  // the right stick has no use in the game
  }
  return 0;
}

int PadSlotsInUse(const PadSet& pads, int (&slots)[kPadSlots]) {
  int count = 0;
  for (int slot = 0; slot < kPadSlots; ++slot) {
    if (pads.slot[slot].id >= 0) slots[count++] = slot;
  }
  return count;
}
