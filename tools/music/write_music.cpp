// Content kind "music": base/music/menu.ogg and the four fight tracks, composed and encoded here.
#include <filesystem>

#include "audio_common/ogg_writer.h"
#include "common/content_registry.h"
#include "music/composer.h"
#include "music/instruments.h"

namespace {
void WriteMusic(const std::filesystem::path& baseDir) {
  const std::filesystem::path dir = baseDir / "music";
  std::filesystem::create_directories(dir);
  for (const TrackStyle& track : GameTracks()) {
    WriteOggVorbis(dir / track.file, kMusicRate, 2, Compose(track), kMusicQuality);
  }
}
}  // namespace

REGISTER_CONTENT_KIND(music, WriteMusic);
