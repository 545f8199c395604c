#pragma once

#include <string>

// What the running game holds, for soak runs: resident memory and the live GL textures and display
// lists and OpenAL sources and buffers (names probed one by one; the drivers hand out small ones).
struct ResourceCount {
  long residentKb = 0;
  int glTextures = 0;
  int glLists = 0;
  int alSources = 0;
  int alBuffers = 0;
};

ResourceCount CountResources();
// "rss_kb=... gl_textures=... gl_lists=... al_sources=... al_buffers=..."
std::string DescribeResources(const ResourceCount& count);
