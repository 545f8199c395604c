#pragma once

#include <cstdint>

#include "platform/pad_codes.h"

// What the game knows of each plugged-in pad: which buttons are held, with the triggers and the
// left stick read as buttons. A pad takes the lowest free slot when it is plugged in and keeps it
// until it is pulled out; slot order is pad order ("the first pad" is the lowest slot in use).
// Lives for the whole run; every slot empty at program start.
constexpr int kPadSlots = 4;

// A stick or trigger counts as a held button beyond half of its travel, and is let go again below
// a third, so a resting stick that jitters around the threshold does not repeat presses.
constexpr int kPadPressThreshold = 16384;
constexpr int kPadReleaseThreshold = 10923;

struct PadRecord {
  int id = -1;             // the platform's id of the controller; -1: the slot is free
  std::uint32_t held = 0;  // bit (1 << PadButton) per held button
  bool Holds(PadButton button) const { return (held >> static_cast<int>(button)) & 1u; }
};

struct PadSet {
  PadRecord slot[kPadSlots];
};
extern PadSet Pads;

// The slot the pad took, or -1 when every slot is taken (that pad is ignored).
int PadPluggedIn(int id);
// The slot the pad had, or -1 for a pad the game did not keep.
int PadPulledOut(int id);
// The slot of a pad, or -1.
int PadSlotOf(int id);

// A button or axis change. Returns the buttons that became held by it (0 or one bit; an axis can
// press its virtual button), for the menus, which act on presses.
std::uint32_t PadButtonChanged(int id, PadButton button, bool down);
std::uint32_t PadAxisChanged(int id, PadAxis axis, int value);

// The slots of `pads` in use, in order; returns how many.
int PadSlotsInUse(const PadSet& pads, int (&slots)[kPadSlots]);
