#pragma once

#include <cstdint>
#include <string>

// A hash of a content tree: every regular file's path below `folder` (sorted, '/'-separated) and
// bytes. Two games whose trees hash alike fight on the same models, arenas and tables. 0 when the
// folder cannot be read.
std::uint64_t ContentTreeHash(const std::string& folder);
