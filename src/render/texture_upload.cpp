#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdio>

#include "app/content_report.h"
#include "render/bmp_decoder.h"
#include "render/file_bytes.h"
#include "render/textures.h"
#include "render/texture_slots.h"
#include "render/tga_reader.h"

unsigned int TextureBank[TextureBankSize] = {};
unsigned int LoadingImages[4] = {};
TgaTexture TgaTextures[7];
TgaTexture FontImage;
TgaTexture StoryImages[5];

namespace {

// Our decoded rows are packed, so every upload reads them byte-aligned: the start-up images would
// otherwise come out skewed whenever a row is not a multiple of four bytes long.
void UploadRgb(unsigned int texture, const RgbImage& image, GLint minFilter) {
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minFilter);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  gluBuild2DMipmaps(GL_TEXTURE_2D, 3, image.width, image.height, GL_RGB, GL_UNSIGNED_BYTE, image.pixels.data());
}

// The loading images are bank pictures: the bank takes their textures, not a second copy of each.
constexpr int kLoadingImageSlots[4] = {16, 55, 0, 40};

void BankPath(int n, char (&path)[32]) {
  char name[16];
  std::snprintf(name, sizeof name, TextureSlot::kBankFileFormat, n);
  std::snprintf(path, sizeof path, ".\\base\\textures\\%s", name);
}

// The loading image already uploaded from bank entry n, or 0.
unsigned int LoadingImageOfSlot(int n) {
  for (int i = 0; i < 4; ++i) {
    if (kLoadingImageSlots[i] == n) return LoadingImages[i];
  }
  return 0;
}

}  // namespace

void BindTexture(int n) {
  glBindTexture(GL_TEXTURE_2D, n >= 0 && n < TextureBankSize ? TextureBank[n] : 0);
}

// Decodes every file first: the bank is either complete or has no textures at all.
bool LoadTextureBank() {
  std::vector<RgbImage> images(TextureBankSize);
  int uploads = 0;
  for (int n = 0; n < TextureBankSize; ++n) {
    if (LoadingImageOfSlot(n) != 0) continue;
    char path[32];
    BankPath(n, path);
    auto image = DecodeBmpFile(path);
    if (!image) return false;
    images[static_cast<std::size_t>(n)] = std::move(*image);
    ++uploads;
  }
  std::vector<GLuint> names(static_cast<std::size_t>(uploads));
  glGenTextures(uploads, names.data());
  auto name = names.begin();
  for (int n = 0; n < TextureBankSize; ++n) {
    if (const unsigned int shared = LoadingImageOfSlot(n); shared != 0) {
      TextureBank[n] = shared;
      glBindTexture(GL_TEXTURE_2D, shared);
      glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    } else {
      TextureBank[n] = *name++;
      UploadRgb(TextureBank[n], images[static_cast<std::size_t>(n)], GL_LINEAR_MIPMAP_LINEAR);
    }
  }
  return true;
}

bool LoadLoadingImages() {
  std::vector<RgbImage> images;
  for (int slot : kLoadingImageSlots) {
    char path[32];
    BankPath(slot, path);
    auto image = DecodeBmpFile(path);
    if (!image) return false;
    images.push_back(std::move(*image));
  }
  glGenTextures(4, LoadingImages);
  for (int i = 0; i < 4; ++i) {
    UploadRgb(LoadingImages[i], images[static_cast<std::size_t>(i)], GL_LINEAR_MIPMAP_NEAREST);
  }
  return true;
}

unsigned int LoadMaterialTexture(const char* gamePath) {
  const auto image = DecodeBmpFile(gamePath);
  if (!image) return 0;
  GLuint name = 0;
  glGenTextures(1, &name);
  UploadRgb(name, *image, GL_LINEAR_MIPMAP_LINEAR);
  return name;
}

bool TgaTexture::Load(const char* gamePath) {
  Release();  // a record loaded again would otherwise leak its old GL texture
  const auto bytes = ReadFileBytes(gamePath);
  if (!bytes) return false;
  auto image = ReadTga(bytes->data(), bytes->size());
  if (!image) {
    ReportContentProblem(gamePath, ContentProblem::Damaged);
    return false;
  }
  width = image->width;
  height = image->height;
  components = image->components;
  pixels = std::move(image->pixels);
  const GLenum format = components == 3 ? GL_RGB : GL_RGBA;
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  gluBuild2DMipmaps(GL_TEXTURE_2D, static_cast<GLint>(format), width, height, format, GL_UNSIGNED_BYTE, pixels.data());
  return true;
}

void TgaTexture::Release() {
  if (texture != 0) glDeleteTextures(1, &texture);
  texture = 0;
  pixels.clear();
  pixels.shrink_to_fit();
}

bool LoadTgaTextures() {
  bool all = true;
  char path[40];
  for (int i = 0; i < 7; ++i) {
    std::snprintf(path, sizeof path, ".\\base\\textures\\tex%02d.tga", i);
    all = TgaTextures[i].Load(path) && all;
  }
  return all;
}

bool LoadStoryImages(int arena) {
  const int pictures = arena == 1 ? 5 : 3;
  bool all = true;
  char path[40];
  for (int k = 1; k <= pictures; ++k) {
    std::snprintf(path, sizeof path, ".\\base\\scene\\l%ds%d.tga", arena, k);
    all = StoryImages[k - 1].Load(path) && all;
  }
  return all;
}

void ReleaseTgaTextures() {
  for (TgaTexture& texture : TgaTextures) texture.Release();
  FontImage.Release();
}
