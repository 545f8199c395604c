#include "app/fight_bindings.h"

#include "app/input_state.h"

FightBindings ActiveFightBindings = DefaultFightBindings();

namespace {

constexpr int kOrder[kFightInputCount] = {
    static_cast<int>(FightInput::Forward),    static_cast<int>(FightInput::Back),
    static_cast<int>(FightInput::Block),      static_cast<int>(FightInput::HandToHead),
    static_cast<int>(FightInput::HandToBody), static_cast<int>(FightInput::LegToBody),
};

bool Down(const std::uint8_t (&keys)[256], int key) { return key > 0 && key < 256 && keys[key] != 0; }

FighterCommand CommandOf(const std::uint8_t (&keys)[256], const int (&bound)[kFightInputCount]) {
  FighterCommand command;
  for (int input : kOrder) {
    if (Down(keys, bound[input])) command.Hold(static_cast<FightInput>(input));
  }
  return command;
}

}  // namespace

FightBindings DefaultFightBindings() {
  FightBindings b;
  auto set = [&b](int fighter, FightInput input, int key) { b.key[fighter][static_cast<int>(input)] = key; };
  set(0, FightInput::Forward, 'B');
  set(0, FightInput::Back, 'V');
  set(0, FightInput::Block, VirtualKey::Space);
  set(0, FightInput::HandToHead, 'Z');
  set(0, FightInput::HandToBody, 'X');
  set(0, FightInput::LegToBody, 'C');
  set(1, FightInput::Forward, VirtualKey::Left);
  set(1, FightInput::Back, VirtualKey::Right);
  set(1, FightInput::Block, 'L');
  set(1, FightInput::HandToHead, 'I');
  set(1, FightInput::HandToBody, 'O');
  set(1, FightInput::LegToBody, 'P');
  for (int fighter = 0; fighter < 2; ++fighter) {
    PadButton (&pad)[kFightInputCount] = b.pad[fighter];
    pad[static_cast<int>(FightInput::Forward)] = fighter == 0 ? PadButton::DpadRight : PadButton::DpadLeft;
    pad[static_cast<int>(FightInput::Back)] = fighter == 0 ? PadButton::DpadLeft : PadButton::DpadRight;
    pad[static_cast<int>(FightInput::Block)] = PadButton::RightShoulder;
    pad[static_cast<int>(FightInput::HandToHead)] = PadButton::X;
    pad[static_cast<int>(FightInput::HandToBody)] = PadButton::A;
    pad[static_cast<int>(FightInput::LegToBody)] = PadButton::B;
  }
  return b;
}

void BuildFighterCommands(const std::uint8_t (&keys)[256], bool twoHumans, const FightBindings& bindings,
                          FighterCommand (&commands)[2]) {
  commands[0] = CommandOf(keys, bindings.key[0]);
  commands[1] = CommandOf(keys, bindings.key[1]);
  if (twoHumans) return;
  if (commands[1].Holds(FightInput::Back)) commands[0].Hold(FightInput::Forward);
  if (commands[1].Holds(FightInput::Forward)) commands[0].Hold(FightInput::Back);
  commands[1] = FighterCommand{};
}
