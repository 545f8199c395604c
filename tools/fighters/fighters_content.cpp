// The eight fighters: model files, animation tables and skins (TextureBank entries 30 to 37).
#include <cstdio>
#include <fstream>
#include <stdexcept>

#include "common/content_registry.h"
#include "common/image_files.h"
#include "render/texture_slots.h"
#include "fighters/fighter_model.h"
#include "fighters/fighter_skins.h"

namespace {

void WriteText(const std::filesystem::path& path, const std::string& text) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out << text;
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

void WriteFighters(const std::filesystem::path& baseDir) {
  for (int index = 0; index < CharacterCount; ++index) {
    const Character character = BuildCharacter(index);
    const std::vector<Clip> clips = BuildClips(character);
    const std::string number = std::to_string(index + 1);
    WriteFileBytes(baseDir / "fighters" / (number + "_lower.bhm"),
                   EncodeBhm(BakeFighterModel(character, clips)));
    WriteText(baseDir / "fighters" / (number + "_animation.cfg"),
              FormatAnimationTable(AnimationLinesOf(clips)));
    char texture[16];
    std::snprintf(texture, sizeof texture, TextureSlot::kBankFileFormat, TextureSlot::FighterSkin(index));
    WriteBmp24(baseDir / "textures" / texture, PaintSkin(index, character));
  }
}

}  // namespace

REGISTER_CONTENT_KIND(fighters, WriteFighters);
