#pragma once

#include <string>

// Replays in the running game: every fight started from the versus screen is recorded, a restart
// or an exit from the pause menu drops the recording, the main menu's REPLAY watches the newest.
void ConnectReplayEffects();

// `brelloch --replay FILE`: checked before the window opens, played once the loading is over.
// False with `error` set when the file cannot be played.
bool ChooseReplayToWatch(const char* path, int speed, std::string& error);
// After the loading phase: starts the chosen replay, if any. True when one started.
bool StartChosenReplay();

// The fight frame while a replay plays: its music, the due recorded frames, the scene, the
// overlays, the playback's own line; at the end, back to the main menu.
void RunReplayFightFrame();
// Space, the right arrow, 1, 2, 4 and Escape during a playback, each acting once per press.
void HandleReplayKeys();
