#include "app/window_procedure.h"

#include "app/app.h"
#include "app/game_window.h"
#include "audio/audio.h"
#include "screens/screens.h"

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
  EnterGameDisplayMode();
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
  RestoreDesktopDisplayMode();
}

void RecordKey(int virtualKey, std::uint8_t down) {
  if (virtualKey > 0 && virtualKey < 256) KeyState[virtualKey] = down;
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
      if (!InFight()) HandleOnlineKey(message.virtualKey, KeyState[VirtualKey::Shift] != 0);
      return;
    case MessageKind::KeyUp:
      RecordKey(message.virtualKey, 0);
      return;
    case MessageKind::LeftButtonDown:
      if (!InFight()) HandleClick();
      break;  // and then as every other message
    case MessageKind::LeftButtonUp:
    case MessageKind::RightButtonDown:
    case MessageKind::RightButtonUp:
      return;
    case MessageKind::Quit:
    case MessageKind::SystemKeyDown:
    case MessageKind::SystemKeyUp:
    case MessageKind::PointerMove:
      break;
  }
  if (!InFight()) UpdateHover();
}
