#include "app/window_procedure.h"

#include "app/app.h"
#include "app/fight_bindings.h"
#include "app/game_window.h"
#include "app/menu_input.h"
#include "app/pad_commands.h"
#include "app/pad_state.h"
#include "audio/audio.h"
#include "fight/match_state.h"
#include "screens/menu_focus.h"
#include "screens/screens.h"

bool PadPulledOutOfFight = false;

namespace {

bool InFight() { return ScreenFlow.gameState == GameState::Fight; }

void Activated() {
  WindowActive = true;
  if (Settings.musicOn && !LoadState.loadPending) {
    if (InFight()) {
      FightMusic.Play();
    } else {
      MenuMusicPending = true;
      MenuMusic.Play();
    }
    RestartMusicFade();
  }
}

void Deactivated() {
  WindowActive = false;
  if (Settings.musicOn) {
    MusicStream& music = InFight() ? FightMusic : MenuMusic;
    if (!InFight()) MenuMusicPending = true;
    music.SetGain(0.0f);
    music.Rewind();
    RestartMusicFade();
  }
}

void RecordKey(int virtualKey, std::uint8_t down) {
  if (virtualKey > 0 && virtualKey < 256) KeyState[virtualKey] = down;
}

// A pad that plays a fighter pulled out of a running fight pauses it (the main loop's EscapeToPause).
void ForgetPulledPad(int id) {
  int slotOf[2];
  PadsOfFighters(Pads, MatchState.gameMode == GameMode::TwoPlayers, ActiveFightBindings, slotOf);
  const int slot = PadPulledOut(id);
  if (InFight() && slot >= 0 && (slot == slotOf[0] || slot == slotOf[1])) PadPulledOutOfFight = true;
}

void PadPressed(std::uint32_t pressed) {
  if (pressed != 0 && !InFight()) MenuPadPressed(pressed);
}

}  // namespace

void WindowProcedure(const WindowMessage& message) {
  switch (message.kind) {
    case MessageKind::Size:
      ResizeViewport(message.width, message.height);
      return;
    case MessageKind::Activate:
      if (message.active && !message.minimised) {
        Activated();
      } else {
        Deactivated();
      }
      return;
    case MessageKind::Close:
      PostQuitMessage(0);
      return;
    case MessageKind::KeyDown:
      RecordKey(message.virtualKey, 1);
      if (!InFight()) MenuKeyPressed(message.virtualKey, message.repeat);
      if (!InFight()) HandleOnlineKey(message.virtualKey, KeyState[VirtualKey::Shift] != 0);
      return;
    case MessageKind::KeyUp:
      RecordKey(message.virtualKey, 0);
      return;
    case MessageKind::LeftButtonDown:
      // The click acts where it happened, not where the last frame saw the pointer.
      if (InFight()) break;
      SetPointerFromClient(message.x, message.y);
      PointerUsed();
      HandleClick();
      break;  // and then as every other message
    case MessageKind::PointerMove:
      PointerUsed();
      break;
    case MessageKind::PadAdded:
      PadPluggedIn(message.pad);
      return;
    case MessageKind::PadRemoved:
      ForgetPulledPad(message.pad);
      return;
    case MessageKind::PadButtonDown:
    case MessageKind::PadButtonUp:
      PadPressed(PadButtonChanged(message.pad, message.button, message.kind == MessageKind::PadButtonDown));
      return;
    case MessageKind::PadAxisMotion:
      PadPressed(PadAxisChanged(message.pad, message.axis, message.axisValue));
      return;
    case MessageKind::DevicesChanged:
      return;
    case MessageKind::LeftButtonUp:
    case MessageKind::RightButtonDown:
    case MessageKind::RightButtonUp:
      return;
    case MessageKind::SystemKeyDown:
      if (message.virtualKey == VirtualKey::Return) ToggleFullscreen();
      break;
    case MessageKind::Quit:
    case MessageKind::SystemKeyUp:
      break;
  }
  if (!InFight()) UpdateHover();
}
