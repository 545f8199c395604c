#include "app/online_play.h"

#include <chrono>
#include <memory>
#include <random>

#include "app/fight_rollback_simulation.h"
#include "app/game_options.h"
#include "app/game_path.h"
#include "app/replay_file.h"
#include "fight/fight.h"
#include "net/net.h"
#include "screens/character_pick.h"
#include "screens/online_screen_rules.h"
#include "screens/screen_effects.h"
#include "screens/screen_flow.h"
#include "screens/screens.h"

namespace {

constexpr std::uint32_t kGoodbyeMs = 300;  // time given to the Leave message before the link closes

std::unique_ptr<OnlineConnection> Connection;
std::string Waiting;   // the waiting screen's first line while nothing has happened yet
bool InSetup = false;  // the handshake passed and the set-up screen was entered
std::uint32_t Seed = 0;
OnlineStart Requested;

// The online fight: the fight under rollback, its session, and the ticks the fixed clock owes.
std::unique_ptr<FightRollbackSimulation> OnlineFight;
std::unique_ptr<OnlineMatch> Match;
std::uint32_t FightStartMs = 0;
constexpr int kMostTicksPerFrame = 4;  // a long frame catches up a little at a time

std::uint32_t NowMs() {
  using namespace std::chrono;
  return static_cast<std::uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

// The version and the content this game runs; the content is hashed once, when first needed.
const GameIdentity& OwnIdentity() {
  static const GameIdentity identity{GameVersion(), ContentTreeHash(NativePath(".\\base"))};
  return identity;
}

void Show(const std::string& message, const std::string& detail) {
  OnlineScreen.message = message;
  OnlineScreen.detail = detail;
}

// Back to the waiting screen with why the connection ended.
void EndConnection(const std::string& message, const std::string& detail) {
  Show(message, detail);
  Connection.reset();
  if (InSetup) {
    InSetup = false;
    ScreenFlow.gameState = GameState::OnlineWaiting;
    ResetMenuTransition();
  }
}

void SendSetup() {
  if (!Connection || !InSetup) return;
  const int side = OnlineScreen.localSide;
  SetupMessage setup;
  setup.character = static_cast<std::uint8_t>(MatchState.character[side]);
  if (side == 0) {
    setup.arena = static_cast<std::uint8_t>(MatchState.arena);
    setup.seed = Seed;
  }
  setup.ready = OnlineScreen.localReady ? 1 : 0;
  Connection->Link().Send(EncodeSetup(setup), true);
}

void EnterSetup() {
  InSetup = true;
  OnlineScreenState& online = OnlineScreen;
  online.localSide = Connection->IsHost() ? 0 : 1;
  online.localReady = online.peerReady = false;
  MatchState.gameMode = GameMode::TwoPlayers;
  MatchState.character[0] = 0;
  MatchState.character[1] = 1;
  MatchState.arena = 1;
  Seed = online.localSide == 0 ? std::random_device{}() : 0;
  ScreenFlow.gameState = GameState::OnlineSetup;
  ResetMenuTransition();
  SendSetup();
}

// Both pressed FIGHT: the same fight starts on both sides, from the host's arena and seed.
void StartOnlineFight() {
  InSetup = false;
  MatchState.gameMode = GameMode::TwoPlayers;
  ScreenFlow.gameState = GameState::Fight;
  ResetMenuTransition();
  PrepareFightStart();
  StartFight(MatchState.arena, Seed);
  RollbackConfig config;
  config.localSide = OnlineScreen.localSide;
  config.inputDelay = UserOptions.onlineInputDelay;
  OnlineFight = std::make_unique<FightRollbackSimulation>();
  FightStartMs = NowMs();
  Match = std::make_unique<OnlineMatch>(*Connection, *OnlineFight, config, FightStartMs);
}

// The fight is over on this side: back to the waiting screen with why.
void EndOnlineFight(const std::string& message, const std::string& detail) {
  Match.reset();
  OnlineFight.reset();
  EndFight(true);
  LeaveOnline();
  ScreenFlow.gameState = GameState::OnlineWaiting;
  ResetMenuTransition();
  Show(message, detail);
}

void HandleSetupMessage(const std::vector<std::uint8_t>& bytes) {
  NetMessage message;
  if (!DecodeNetMessage(bytes.data(), bytes.size(), &message)) return;
  if (message.type == NetMessageType::Leave) return EndConnection("The other player left.", "");
  if (message.type != NetMessageType::Setup) return;
  OnlineScreenState& online = OnlineScreen;
  const int remote = 1 - online.localSide;
  if (message.setup.character > kHighestRosterIndex) return;
  MatchState.character[remote] = message.setup.character;
  online.peerReady = message.setup.ready != 0;
  if (online.localSide == 1) {
    if (message.setup.arena >= 1 && message.setup.arena <= kHighestSelectableArena) MatchState.arena = message.setup.arena;
    Seed = message.setup.seed;
    // Both picked the same fighter at once: the host keeps it, the joiner moves on.
    if (MatchState.character[1] == MatchState.character[0] && !online.localReady) {
      MatchState.character[1] = PickNext(MatchState.character[1], MatchState.character[0]);
      SendSetup();
    }
  }
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
  if (Connection && Connection->Phase() == ConnectionPhase::Ready) Connection->Link().Send(EncodeLeave(), true);
  if (Connection) Connection->Link().Disconnect(kGoodbyeMs);
  Connection.reset();
  InSetup = false;
}

void ServiceOnline() {
  if (!Connection) return;
  Connection->Poll();
  switch (Connection->Phase()) {
    case ConnectionPhase::Waiting: break;
    case ConnectionPhase::Ready:
      if (!InSetup) EnterSetup();
      for (const auto& bytes : Connection->TakeReceived()) {
        HandleSetupMessage(bytes);
        if (!Connection) return;
      }
      if (OnlineScreen.localReady && OnlineScreen.peerReady) StartOnlineFight();
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
    case ConnectionPhase::Failed: EndConnection(Connection->Message(), ""); break;
  }
}

bool OnlineFightActive() { return Match != nullptr; }

void RunOnlineTicks(FighterCommand local) {
  if (!Match) return;
  RollbackSession& session = Match->Session();
  const std::uint32_t now = NowMs();
  const std::uint32_t due = (now - FightStartMs) * kOnlineTicksPerSecond / 1000;
  for (int i = 0; i < kMostTicksPerFrame && session.CurrentTick() < due; ++i) {
    if (!Match->Frame(local, now)) break;
  }
  Match->Pump(now);
  switch (session.Status()) {
    case SessionStatus::Running: break;
    case SessionStatus::Desync:
      return EndOnlineFight("The two games fell out of step at tick " + std::to_string(session.DesyncTick()) + ".",
                            "The match was ended.");
    case SessionStatus::PeerLeft: return EndOnlineFight("The other player left the match.", "");
    case SessionStatus::Left: return EndOnlineFight("You left the match.", "");
    case SessionStatus::ConnectionLost: return EndOnlineFight(kConnectionLostText, "");
  }
  const MatchOutcome& outcome = OnlineFight->Outcome();
  if (outcome.finished && session.StateConfirmed()) {
    EndOnlineFight(outcome.winner == OnlineScreen.localSide ? "You won the match." : "You lost the match.", "");
  }
}

void LeaveOnlineFight() {
  if (Match) Match->Session().Leave();
  RunOnlineTicks(FighterCommand{});
}

std::string OnlineFightStats() {
  if (!Match) return {};
  const RollbackSession& session = Match->Session();
  return "PING " + std::to_string(session.PingMs()) + " MS  ROLLBACK " + std::to_string(session.LastRollbackDepth());
}

void RequestOnlineStart(const OnlineStart& start) { Requested = start; }

void ConnectOnlineScreens() {
  ScreenEffectHooks& e = ScreenEffects;
  e.hostOnline = [] { HostOnline(kDefaultNetPort); };
  e.joinOnline = [](const std::string& address) { JoinOnline(address); };
  e.leaveOnline = [] { LeaveOnline(); };
  e.onlineSetupChanged = [] { SendSetup(); };
  if (!Requested.host && !Requested.join) return;
  ScreenFlow.gameState = GameState::OnlineWaiting;  // shown once the loading screen is done
  if (Requested.host) HostOnline(Requested.port);
  if (Requested.join) {
    OnlineScreen.address = Requested.address;
    JoinOnline(Requested.address);
  }
}
