#include "app/online_play.h"

#include <chrono>
#include <iostream>
#include <memory>
#include <random>

#include "app/fight_rollback_simulation.h"
#include "app/game_options.h"
#include "app/game_path.h"
#include "app/online_fight_start.h"
#include "app/online_replay.h"
#include "app/replay_file.h"
#include "app/replay_recorder.h"
#include "app/replay_store.h"
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
SetupStage PeerStage = SetupStage::Choosing;  // the latest the other player told

// The online fight: the fight under rollback, its session, and the ticks the fixed clock owes.
std::unique_ptr<FightRollbackSimulation> OnlineFight;
std::unique_ptr<OnlineMatch> Match;
std::uint32_t FightStartMs = 0;
Replay Recording;  // the online fight's replay, completed when it ends
int MenuDifficulty = 2;  // the career's level chosen in the menus, put back after the fight
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
  OnlineScreen.versus = false;
  if (InSetup) {
    InSetup = false;
    ScreenFlow.gameState = GameState::OnlineWaiting;
    ResetMenuTransition();
  }
}

// This player's stage towards the fight: set-up, FIGHT pressed, NEXT pressed on the versus screen.
SetupStage LocalStage() {
  if (OnlineScreen.versus) return OnlineScreen.localReady ? SetupStage::Ready : SetupStage::Picked;
  return OnlineScreen.localReady ? SetupStage::Picked : SetupStage::Choosing;
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
  setup.stage = LocalStage();
  Connection->Link().Send(EncodeSetup(setup), true);
}

// What the other player's stage means on the screen shown.
void ShowPeerStage() {
  OnlineScreen.peerReady = PeerStage >= (OnlineScreen.versus ? SetupStage::Ready : SetupStage::Picked);
}

void EnterSetup() {
  InSetup = true;
  OnlineScreenState& online = OnlineScreen;
  online.localSide = Connection->IsHost() ? 0 : 1;
  online.localReady = online.peerReady = online.versus = false;
  PeerStage = SetupStage::Choosing;
  MatchState.gameMode = GameMode::TwoPlayers;
  MatchState.character[0] = 0;
  MatchState.character[1] = 1;
  MatchState.arena = 1;
  Seed = online.localSide == 0 ? std::random_device{}() : 0;
  ScreenFlow.gameState = GameState::OnlineSetup;
  ResetMenuTransition();
  SendSetup();
}

// Both pressed FIGHT: the versus screen, as before a two-player match.
void EnterVersus() {
  OnlineScreenState& online = OnlineScreen;
  online.versus = true;
  online.localReady = false;
  ShowPeerStage();
  MatchState.gameMode = GameMode::TwoPlayers;
  ScreenFlow.gameState = GameState::PreFight;
  ResetPreFightSlides();
  ResetMenuTransition();
  SendSetup();
}

// Both pressed NEXT: the same fight starts on both sides, from the host's arena and seed.
void StartOnlineFight() {
  InSetup = false;
  OnlineScreen.versus = false;
  PeerStage = SetupStage::Choosing;
  ScreenFlow.gameState = GameState::Fight;
  ResetPreFightSlides();
  ResetMenuTransition();
  MenuDifficulty = MatchState.difficulty;
  StartOnlineFightRecords(MatchState.arena, MatchState.character, Seed);
  Recording = StartingReplay();
  RollbackConfig config;
  config.localSide = OnlineScreen.localSide;
  config.inputDelay = UserOptions.onlineInputDelay;
  OnlineFight = std::make_unique<FightRollbackSimulation>();
  FightStartMs = NowMs();
  Match = std::make_unique<OnlineMatch>(*Connection, *OnlineFight, config, FightStartMs);
}

// Kept like a local match's replay; a failure is named on standard error.
void StoreOnlineReplay() {
  CompleteOnlineReplay(Recording, Match->Session(), *OnlineFight);
  std::string error;
  if (StoreReplay(Recording, error).empty()) std::cerr << "Brelloch: " << error << "; the online match's replay is not kept\n";
}

// The fight ended early on this side (left, lost or out of step): back to the waiting screen
// with why. `tellPeer` says goodbye; a lost connection only hangs up.
void EndOnlineFight(const std::string& message, const std::string& detail, bool tellPeer) {
  Match.reset();
  OnlineFight.reset();
  EndFight(true);
  MatchState.difficulty = MenuDifficulty;
  if (!tellPeer && Connection) Connection->Link().Disconnect(kGoodbyeMs);
  LeaveOnline();
  ScreenFlow.gameState = GameState::OnlineWaiting;
  ResetMenuTransition();
  Show(message, detail);
}

void HandleSetupMessage(const std::vector<std::uint8_t>& bytes);

// The match was played to its end on both sides: as after a local two-player match, the
// set-up screen, where the two may pick again; the connection stays.
void CloseOnlineMatch() {
  const auto unread = Match->TakeUnread();
  Match.reset();
  OnlineFight.reset();
  CloseFinishedMatch();
  MatchState.difficulty = MenuDifficulty;
  EnterSetup();
  for (const auto& bytes : unread) {
    HandleSetupMessage(bytes);
    if (!Connection) return;
  }
}

void HandleSetupMessage(const std::vector<std::uint8_t>& bytes) {
  NetMessage message;
  if (!DecodeNetMessage(bytes.data(), bytes.size(), &message)) return;
  if (message.type == NetMessageType::Leave) return EndConnection("The other player left.", "");
  if (message.type != NetMessageType::Setup) return;
  OnlineScreenState& online = OnlineScreen;
  const int remote = 1 - online.localSide;
  if (message.setup.character > kHighestRosterIndex) return;
  PeerStage = message.setup.stage;
  ShowPeerStage();
  // A sender's pick is final once it is on the versus screen, and its NEXT follows it: each side
  // starts the fight on the other's last word.
  MatchState.character[remote] = message.setup.character;
  if (online.localSide == 1) {
    if (message.setup.arena >= 1 && message.setup.arena <= kHighestSelectableArena) MatchState.arena = message.setup.arena;
    Seed = message.setup.seed;
    // Both picked the same fighter at once: the host keeps it, the joiner moves on, even after
    // FIGHT (neither side goes on to the versus screen while the two are the same).
    if (!online.versus && MatchState.character[1] == MatchState.character[0]) {
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
  OnlineScreen.versus = false;
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
      if (LocalStage() == SetupStage::Picked && !OnlineScreen.versus && PeerStage >= SetupStage::Picked &&
          MatchState.character[0] != MatchState.character[1])
        EnterVersus();
      if (LocalStage() == SetupStage::Ready && PeerStage == SetupStage::Ready) StartOnlineFight();
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
  const SessionStatus status = session.Status();
  if (status == SessionStatus::Finished || status == SessionStatus::Desync) StoreOnlineReplay();
  switch (status) {
    case SessionStatus::Running: break;
    case SessionStatus::Finished: return CloseOnlineMatch();
    case SessionStatus::Desync:
      return EndOnlineFight("The two games fell out of step at tick " + std::to_string(session.DesyncTick()) + ".",
                            "The match was ended and its replay kept.", true);
    case SessionStatus::PeerLeft: return EndOnlineFight("The other player left the match.", "", true);
    case SessionStatus::Left: return EndOnlineFight("You left the match.", "", true);
    case SessionStatus::ConnectionLost: return EndOnlineFight(kConnectionLostText, "", false);
  }
}

void LeaveOnlineFight() {
  if (Match) Match->Session().Leave();
  RunOnlineTicks(FighterCommand{});
}

OnlineFightStatsText OnlineFightStats() {
  if (!Match) return {};
  const RollbackSession& session = Match->Session();
  return {"PING " + std::to_string(session.PingMs()) + " MS", "ROLLBACK " + std::to_string(session.RecentRollbackDepth())};
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
