#include "app/pad_commands.h"

namespace {

// The stick direction that counts as the same as a d-pad direction.
bool StickTwin(PadButton dpad, PadButton& stick) {
  switch (dpad) {
    case PadButton::DpadUp: stick = PadButton::StickUp; return true;
    case PadButton::DpadDown: stick = PadButton::StickDown; return true;
    case PadButton::DpadLeft: stick = PadButton::StickLeft; return true;
    case PadButton::DpadRight: stick = PadButton::StickRight; return true;
    default: return false;
  }
}

}  // namespace

bool PadHoldsBinding(const PadRecord& pad, PadButton bound) {
  PadButton stick;
  return pad.Holds(bound) || (StickTwin(bound, stick) && pad.Holds(stick));
}

void PadsOfFighters(const PadSet& pads, bool twoHumans, const FightBindings& bindings, int (&slotOf)[2]) {
  int inUse[kPadSlots];
  const int count = PadSlotsInUse(pads, inUse);
  slotOf[0] = count > 0 ? inUse[0] : -1;
  slotOf[1] = twoHumans && count > 1 ? inUse[1] : -1;
  if (twoHumans && count == 1 && bindings.singlePad == SinglePad::PlaysFighterTwo) {
    slotOf[1] = slotOf[0];
    slotOf[0] = -1;
  }
}

void AddPadCommands(const PadSet& pads, bool twoHumans, const FightBindings& bindings, FighterCommand (&commands)[2]) {
  int slotOf[2];
  PadsOfFighters(pads, twoHumans, bindings, slotOf);
  for (int fighter = 0; fighter < 2; ++fighter) {
    if (slotOf[fighter] < 0) continue;
    const PadRecord& pad = pads.slot[slotOf[fighter]];
    for (int input = 0; input < kFightInputCount; ++input) {
      if (PadHoldsBinding(pad, bindings.pad[fighter][input])) commands[fighter].Hold(static_cast<FightInput>(input));
    }
  }
}
