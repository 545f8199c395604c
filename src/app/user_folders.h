#pragma once

#include <string>

// Where the game keeps what it writes: settings and bindings under the XDG config folder, the
// career and replays under the XDG data folder ($XDG_CONFIG_HOME/brelloch, $XDG_DATA_HOME/brelloch,
// falling back to ~/.config and ~/.local/share). Read from the environment at each call.
std::string ConfigFolder();
std::string DataFolder();

// A file inside one of them; the folder is not created here.
std::string ConfigFilePath(const std::string& name);
std::string DataFilePath(const std::string& name);

// Makes the config folder and its parent where they are missing (a first run has neither).
void MakeConfigFolder();
