#pragma once

#include "render/texture_slots.h"

#include <cstdint>
#include <vector>

// The game's GL textures: the numbered TextureBank, the loading-screen images and the TGA images.

constexpr int TextureBankSize = TextureSlot::kBankSize;

// GL names of "tex00.bmp" to "tex75.bmp"; all 0 until LoadTextureBank succeeds. Lives until the
// GL context is destroyed.
extern unsigned int TextureBank[TextureBankSize];

// Binds TextureBank entry n (numbers outside 0..75 bind the default texture).
void BindTexture(int n);

// All 76 files or nothing: one missing file leaves the whole bank empty.
bool LoadTextureBank();

// "tex16.bmp", "tex55.bmp", "tex00.bmp", "tex40.bmp": the two loading-screen backgrounds, the
// image bound while the fonts are built, and one unused. Bank entries 16, 55, 0 and 40 are these
// same textures, set to the bank's filtering once the bank is loaded.
extern unsigned int LoadingImages[4];
bool LoadLoadingImages();

// A texture read from an uncompressed 24- or 32-bit TGA file, keeping its pixels.
struct TgaTexture {
  unsigned int texture = 0;  // 0 when loading failed
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;  // RGB or RGBA rows in file order
  int components = 0;                // 3 or 4

  bool Load(const char* gamePath);  // a record loaded again gets a new GL name
  void Release();
};

// "tex00.tga" (particles) to "tex06.tga" (the HUD bar frame); loaded in the loading phase.
extern TgaTexture TgaTextures[7];
bool LoadTgaTextures();
// The font image "text.tga"; loaded at start-up.
extern TgaTexture FontImage;
// The career story pictures for the coming career fight's arena.
extern TgaTexture StoryImages[5];
bool LoadStoryImages(int arena);
// At program end: the seven TGA textures and the font image.
void ReleaseTgaTextures();

// A MilkShape material texture (a BMP file); 0 when it cannot be read.
unsigned int LoadMaterialTexture(const char* gamePath);
