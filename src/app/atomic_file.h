#pragma once

#include <cstddef>
#include <string>

// Replaces the file at `path` (native path, folder must exist) with `bytes` so that a kill, a power
// cut or a full disk at any moment leaves either the old complete file or the new one: the bytes go
// to `path`.tmp, which is flushed to the disk, renamed over `path`, and the folder is flushed so the
// rename lasts too. On failure the old file is untouched, the temporary file is removed and
// "Could not save PATH (REASON); the previous file is kept." is printed on standard error (without
// the last words when there was no file at `path`).
// Every file the game writes goes through here.
bool WriteFileAtomically(const std::string& path, const void* bytes, std::size_t size);
