#include "app/online_play.h"

#include <memory>

#include "app/game_path.h"
#include "net/net.h"
#include "screens/online_screen_rules.h"
#include "screens/screen_effects.h"
#include "screens/screen_flow.h"

namespace {

std::unique_ptr<OnlineConnection> Connection;
std::string Waiting;  // the waiting screen's first line while nothing has happened yet
OnlineStart Requested;

// The version and the content this game runs; the content is hashed once, when first needed.
const GameIdentity& OwnIdentity() {
  static const GameIdentity identity{BRELLOCH_VERSION, ContentTreeHash(NativePath(".\\base"))};
  return identity;
}

void Show(const std::string& message, const std::string& detail) {
  OnlineScreen.message = message;
  OnlineScreen.detail = detail;
}

}  // namespace

void HostOnline(std::uint16_t port) {
  LeaveOnline();
  std::string error;
  Connection = OnlineConnection::Host(port, OwnIdentity(), &error);
  if (!Connection) return Show("Could not host.", error);
  Waiting = "Waiting for a player on port " + std::to_string(port) + "...";
  Show(Waiting, "");
}

void JoinOnline(const std::string& text) {
  LeaveOnline();
  NetAddress address;
  if (!ParseNetAddress(text, &address)) return Show("Could not join.", "\"" + text + "\" is not HOST or HOST:PORT.");
  std::string error;
  Connection = OnlineConnection::Join(address, OwnIdentity(), &error);
  if (!Connection) return Show("Could not join.", error);
  Waiting = "Connecting to " + text + "...";
  Show(Waiting, "");
}

void LeaveOnline() {
  if (Connection) Connection->Link().Disconnect(300);
  Connection.reset();
}

void ServiceOnline() {
  if (!Connection) return;
  Connection->Poll();
  switch (Connection->Phase()) {
    case ConnectionPhase::Waiting: break;
    case ConnectionPhase::Ready:
      Show("Connected to the other player.", "The online set-up and fight are not in this build yet.");
      break;
    case ConnectionPhase::Refused:
      if (Connection->IsHost()) {  // shown, and the host waits for the next player
        Show(Waiting, Connection->Message());
        Connection->AcknowledgeRefusal();
      } else {
        Show("Refused.", Connection->Message());
        Connection.reset();
      }
      break;
    case ConnectionPhase::Failed:
      Show(Connection->Message(), "");
      Connection.reset();
      break;
  }
}

void RequestOnlineStart(const OnlineStart& start) { Requested = start; }

void ConnectOnlineScreens() {
  ScreenEffectHooks& e = ScreenEffects;
  e.hostOnline = [] { HostOnline(kDefaultNetPort); };
  e.joinOnline = [](const std::string& address) { JoinOnline(address); };
  e.leaveOnline = [] { LeaveOnline(); };
  if (!Requested.host && !Requested.join) return;
  ScreenFlow.gameState = GameState::OnlineWaiting;  // shown once the loading screen is done
  if (Requested.host) HostOnline(Requested.port);
  if (Requested.join) {
    OnlineScreen.address = Requested.address;
    JoinOnline(Requested.address);
  }
}
