// The seven arenas: map and light meshes with their pictures under base/maps/N/, and the lamp.
#include "arenas/arena_scenes.h"
#include "arenas/arena_textures.h"
#include "arenas/ms3d_file.h"
#include "common/content_registry.h"
#include "common/image_files.h"

namespace {

void WriteMeshFolder(const std::filesystem::path& folder, const ArenaMeshes& meshes,
                     const char* mapName) {
  WriteFileBytes(folder / mapName, EncodeMs3d(meshes.map));
  for (const std::string& texture : meshes.textures)
    WriteBmp24(folder / texture, PaintArenaTexture(texture));
}

void WriteArenas(const std::filesystem::path& baseDir) {
  for (int number = 1; number <= ArenaCount; ++number) {
    const ArenaMeshes arena = BuildArena(number);
    const std::filesystem::path folder = baseDir / "maps" / std::to_string(number);
    WriteMeshFolder(folder, arena, "map.ms3d");
    WriteFileBytes(folder / "light.ms3d", EncodeMs3d(arena.lights));
  }
  WriteMeshFolder(baseDir / "maps" / "1" / "lamp", BuildLamp(), "lamp.ms3d");
}

}  // namespace

REGISTER_CONTENT_KIND(arenas, WriteArenas);
