// The pictures kind: every TextureBank entry except the fighter skins (written with the fighter
// models), the TGA sprites and the story pictures.
#include "pictures/pictures.h"

#include <cstdio>
#include <stdexcept>
#include <string>

#include "common/content_registry.h"
#include "common/image_files.h"
#include "render/texture_slots.h"
#include "story/story_text.h"

namespace {

namespace fs = std::filesystem;

fs::path BankFile(const fs::path& baseDir, int entry) {
  char name[16];
  std::snprintf(name, sizeof name, TextureSlot::kBankFileFormat, entry);
  return baseDir / "textures" / name;
}

void Bank(const fs::path& baseDir, int entry, const Canvas& picture) {
  WriteBmp24(BankFile(baseDir, entry), picture);
}

// A masked widget: the mask entry and the face entry from one layer.
void MaskAndFace(const fs::path& baseDir, int maskEntry, int faceEntry, const Canvas& layer) {
  Bank(baseDir, maskEntry, MaskFromLayer(layer));
  Bank(baseDir, faceEntry, FaceFromLayer(layer));
}

void WriteTextureBank(const fs::path& baseDir) {
  Bank(baseDir, 0, NeutralDark());
  Bank(baseDir, 1, FullCoverMask());
  Bank(baseDir, 15, MainMenuPicture());
  Bank(baseDir, 7, FullCoverMask());
  Bank(baseDir, 22, PlainBackground());
  Bank(baseDir, 21, TwoPlayerBackground());
  Bank(baseDir, 16, FirstLoadingScreen());
  Bank(baseDir, 55, SecondLoadingScreen());
  Bank(baseDir, 10, Canvas(16, 16, {0, 0, 0, 1}));
  Bank(baseDir, 2, TirednessBarFill());
  Bank(baseDir, 66, LifeBarFill());
  Bank(baseDir, 65, StatBarPattern());
  Bank(baseDir, TextureSlot::kRoundMark, MarkPicture());
  Bank(baseDir, 14, PointerPicture());
  MaskAndFace(baseDir, 17, 18, ButtonLayer());
  MaskAndFace(baseDir, 12, 13, SideArrowLayer(true));
  MaskAndFace(baseDir, 26, 27, SideArrowLayer(false));
  MaskAndFace(baseDir, 28, 29, ArenaArrowLayer(true));
  MaskAndFace(baseDir, 53, 54, ArenaArrowLayer(false));
  for (int round = 1; round <= 3; ++round) Bank(baseDir, TextureSlot::RoundBanner(round), RoundBanner(round));
  Bank(baseDir, TextureSlot::kCountInReady, CountInPicture("READY"));
  Bank(baseDir, TextureSlot::kCountInSet, CountInPicture("SET"));
  Bank(baseDir, TextureSlot::kCountInFight, CountInPicture("FIGHT!"));
  static const char* const winners[] = {"BOXER WINS",  "KINGPIN WINS", "COP WINS",
                                        "TRUCK DRIVER WINS", "BIKER WINS", "HOOKER WINS",
                                        "INSPECTOR WINS", "BANDIT WINS"};
  for (int character = 0; character < 8; ++character)
    Bank(baseDir, TextureSlot::WinnerBanner(character), WinnerBanner(winners[character]));
  Bank(baseDir, TextureSlot::kYouLose, WinnerBanner("YOU LOSE"));
  Bank(baseDir, TextureSlot::kYouWin, WinnerBanner("YOU WIN"));
  Bank(baseDir, TextureSlot::kChampion, WinnerBanner("CHAMPION OF THE CITY"));
  for (int arena = 1; arena <= 7; ++arena) Bank(baseDir, TextureSlot::ArenaPicture(arena), ArenaPicture(arena));
  for (int entry : {3, 4, 5, 8, 9, 11, 19, 20, 23, 24, 25, 67, 68, 69, 70, 71, 72, 73, 74, 75})
    Bank(baseDir, entry, QuietTexture(entry));
}

void WriteSprites(const fs::path& baseDir) {
  const fs::path dir = baseDir / "textures";
  WriteTga(dir / "tex00.tga", SparkSprite(), TgaDepth::Rgba32);
  for (int i = 1; i <= 5; ++i)
    WriteTga(dir / ("tex0" + std::to_string(i) + ".tga"), DustSprite(i), TgaDepth::Rgba32);
  WriteTga(dir / "tex06.tga", BarFrame(), TgaDepth::Rgba32);
}

void WriteStoryPictures(const fs::path& baseDir) {
  for (const ArenaStory& story : ReadStory()) {
    const size_t expected = story.arena == 1 ? 5 : 3;
    if (story.captions.size() != expected)
      throw std::runtime_error("story arena " + std::to_string(story.arena) + " needs " +
                               std::to_string(expected) + " picture captions");
    for (size_t k = 0; k < expected; ++k) {
      const std::string name =
          "l" + std::to_string(story.arena) + "s" + std::to_string(k + 1) + ".tga";
      WriteTga(baseDir / "scene" / name,
               StoryPicture(story.arena, static_cast<int>(k), story.captions[k]), TgaDepth::Rgb24);
    }
  }
}

void WritePictures(const fs::path& baseDir) {
  WriteTextureBank(baseDir);
  WriteSprites(baseDir);
  WriteStoryPictures(baseDir);
}

}  // namespace

REGISTER_CONTENT_KIND(pictures, WritePictures);
