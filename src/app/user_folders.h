#pragma once

#include <string>

// Where the game finds its content and keeps what it writes.
//
// Content (read-only at run time): the folder holding base/, found once per run, in this order:
// $BRELLOCH_DATA_DIR; the executable's own folder (a build tree); <executable>/../share/brelloch
// (an install moved as a whole); the data folder the build was configured to install into; the
// working directory.
//
// Written files: settings and bindings under the XDG config folder, the career and replays under
// the XDG data folder ($XDG_CONFIG_HOME/brelloch, $XDG_DATA_HOME/brelloch, falling back to
// ~/.config and ~/.local/share). Read from the environment at each call.
std::string ContentFolder();
std::string ConfigFolder();
std::string DataFolder();

// A file inside one of them; the folder is not created here.
std::string ConfigFilePath(const std::string& name);
std::string DataFilePath(const std::string& name);

// The content search above for a given executable path, environment value (null when unset) and
// configured install folder; the first that holds base/ wins, the working directory (".") if none.
std::string FindContentFolder(const std::string& executable, const char* dataDirVariable,
                              const std::string& installedDataFolder);

// Creates the folder (and its parents) and checks that files can be written into it. A folder
// that cannot be written is reported once per run on standard error; the game plays on.
bool PrepareWritableFolder(const std::string& folder);

// The file the game keeps at `newPath`: when it does not exist yet but the game's old place for
// it (a `.\base\...` path, looked for in the working directory and in the content folder) holds
// one, its bytes are copied over first, so an old setup is taken over once.
std::string TakeOverOldFile(const char* oldGamePath, const std::string& newPath);

// menu.inf in the config folder and fight.inf in the data folder, each taken over from base/
// when met there first, with their folder prepared for writing.
std::string SettingsFilePath();
std::string CareerFilePath();

// Makes the config folder and its parents where they are missing (PrepareWritableFolder).
void MakeConfigFolder();
