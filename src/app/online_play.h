#pragma once

#include <cstdint>
#include <string>

#include "app/online_command_line.h"
#include "fight/fighter_command.h"

// The game's side of online play: the one connection the ONLINE screens (and --host / --join)
// open, serviced every frame, its state told to the waiting screen.

// What the command line asked for, taken up by ConnectOnlineScreens: the game then starts on the
// waiting screen, hosting or joining.
void RequestOnlineStart(const OnlineStart& start);
// Connects the ONLINE screens' effects; once, beside the other screen effects.
void ConnectOnlineScreens();
// Listens on `port`, or connects to "HOST[:PORT]"; the waiting screen tells what happens.
void HostOnline(std::uint16_t port);
void JoinOnline(const std::string& address);
// Closes the connection (the peer is told).
void LeaveOnline();
// Every frame: pumps the connection and updates the waiting screen's lines.
void ServiceOnline();

// --- the online fight (started when both players pressed FIGHT on the set-up screen) ---
bool OnlineFightActive();
// The fight frame's ticks at a fixed 60 a second with this player's command; a match that ended
// (finished, left, lost or out of step) ends the fight and shows why on the waiting screen.
void RunOnlineTicks(FighterCommand local);
// Escape in an online fight: there is no pause; the other player is told.
void LeaveOnlineFight();
// For the option that shows them: "PING 40 MS" and "ROLLBACK 3" (the deepest of the last second).
struct OnlineFightStatsText {
  std::string ping, rollback;
};
OnlineFightStatsText OnlineFightStats();
