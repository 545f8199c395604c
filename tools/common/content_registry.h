#pragma once

#include <filesystem>
#include <string>

// A kind of content registers a writer under its name; `brelloch-content BASE_DIR NAME` runs it.
// Writers must be deterministic: the same bytes on every run and machine.
using ContentWriter = void (*)(const std::filesystem::path& baseDir);

struct ContentKindRegistration {
  ContentKindRegistration(const char* name, ContentWriter writer);
};

// Returns nullptr for an unknown name.
ContentWriter FindContentKind(const std::string& name);

// Use once in a kind's main source file: REGISTER_CONTENT_KIND(pictures, WritePictures);
#define REGISTER_CONTENT_KIND(name, writer) \
  static const ContentKindRegistration registration_##name(#name, writer)
