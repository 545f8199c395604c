#include "app/driver/resource_count.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <GL/gl.h>

#include <fstream>

namespace {

// Far above anything the game creates, so a leak keeps counting up instead of leaving the range.
constexpr unsigned kGlNames = 65536;
constexpr unsigned kAlNames = 16384;

long ResidentKb() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * 4;  // 4 KiB pages
}

}  // namespace

ResourceCount CountResources() {
  ResourceCount count;
  count.residentKb = ResidentKb();
  for (GLuint name = 1; name <= kGlNames; ++name) {
    count.glTextures += glIsTexture(name) == GL_TRUE;
    count.glLists += glIsList(name) == GL_TRUE;
  }
  if (alcGetCurrentContext() != nullptr) {
    for (ALuint name = 1; name <= kAlNames; ++name) {
      count.alSources += alIsSource(name) == AL_TRUE;
      count.alBuffers += alIsBuffer(name) == AL_TRUE;
    }
  }
  return count;
}

std::string DescribeResources(const ResourceCount& count) {
  return "rss_kb=" + std::to_string(count.residentKb) + " gl_textures=" + std::to_string(count.glTextures) +
         " gl_lists=" + std::to_string(count.glLists) + " al_sources=" + std::to_string(count.alSources) +
         " al_buffers=" + std::to_string(count.alBuffers);
}
