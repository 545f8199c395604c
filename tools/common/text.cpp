#include "common/text.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <stdexcept>

const char* const kDisplayFontFile = "/usr/share/fonts/opentype/bebas-neue/BebasNeue-Bold.otf";
const char* const kBoldFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

struct FontFace::Impl {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  float widthScale = 1;

  // Renders c with the pen at fractional position penX and reports where its bitmap lands.
  FT_GlyphSlot Render(char c, float penX) const {
    FT_Matrix matrix{static_cast<FT_Fixed>(std::lround(widthScale * 65536.0f)), 0, 0, 0x10000};
    const float frac = penX - std::floor(penX);
    FT_Vector delta{static_cast<FT_Pos>(std::lround(frac * 64.0f)), 0};
    FT_Set_Transform(face, &matrix, &delta);
    if (FT_Load_Char(face, static_cast<unsigned char>(c), FT_LOAD_RENDER | FT_LOAD_NO_HINTING))
      return nullptr;
    return face->glyph;
  }

  static void Blit(Canvas& canvas, FT_GlyphSlot g, int left, int top, Rgba colour,
                   BlendMode mode) {
    const FT_Bitmap& bm = g->bitmap;
    for (unsigned row = 0; row < bm.rows; ++row) {
      for (unsigned col = 0; col < bm.width; ++col) {
        const unsigned char v = bm.buffer[row * static_cast<unsigned>(bm.pitch) + col];
        if (v) canvas.Paint(left + static_cast<int>(col), top + static_cast<int>(row), colour,
                            v / 255.0f, mode);
      }
    }
  }
};

FontFace::FontFace(const std::string& file, float pixelHeight, float widthScale)
    : impl_(std::make_unique<Impl>()) {
  impl_->widthScale = widthScale;
  if (FT_Init_FreeType(&impl_->library))
    throw std::runtime_error("FreeType cannot start");
  if (FT_New_Face(impl_->library, file.c_str(), 0, &impl_->face)) {
    FT_Done_FreeType(impl_->library);
    throw std::runtime_error("cannot open font " + file + " (run scripts/install-deps.sh)");
  }
  FT_Set_Char_Size(impl_->face, 0, static_cast<FT_F26Dot6>(std::lround(pixelHeight * 64.0f)), 72,
                   72);
}

FontFace::~FontFace() {
  FT_Done_Face(impl_->face);
  FT_Done_FreeType(impl_->library);
}

float FontFace::Ascender() const { return impl_->face->size->metrics.ascender / 64.0f; }
float FontFace::Descender() const { return impl_->face->size->metrics.descender / 64.0f; }

float FontFace::CapHeight() const {
  FT_GlyphSlot g = impl_->Render('H', 0);
  return g ? static_cast<float>(g->bitmap_top) : Ascender();
}

float FontFace::Measure(const std::string& text, float tracking) const {
  float pen = 0;
  int drawn = 0;
  for (char c : text) {
    if (c < 32 || c > 126) continue;
    FT_GlyphSlot g = impl_->Render(c, pen);
    if (!g) continue;
    pen += g->advance.x / 64.0f + tracking;
    ++drawn;
  }
  return drawn ? pen - tracking : 0;
}

float FontFace::Draw(Canvas& canvas, float x, float baseline, const std::string& text,
                     Rgba colour, float tracking, BlendMode mode) const {
  float pen = x;
  const int base = static_cast<int>(std::lround(baseline));
  for (char c : text) {
    if (c < 32 || c > 126) continue;
    FT_GlyphSlot g = impl_->Render(c, pen);
    if (!g) continue;
    Impl::Blit(canvas, g, static_cast<int>(std::floor(pen)) + g->bitmap_left, base - g->bitmap_top,
               colour, mode);
    pen += g->advance.x / 64.0f + tracking;
  }
  return pen;
}

void FontFace::DrawCentredGlyph(Canvas& canvas, float cx, float baseline, char c,
                                Rgba colour) const {
  FT_GlyphSlot g = impl_->Render(c, 0);
  if (!g || g->bitmap.width == 0) return;
  const int left = static_cast<int>(std::lround(cx - g->bitmap.width / 2.0f));
  Impl::Blit(canvas, g, left, static_cast<int>(std::lround(baseline)) - g->bitmap_top, colour,
             BlendMode::Over);
}

Canvas TextLayer(const FontFace& face, const std::string& text, Rgba colour, float tracking,
                 int padding) {
  const int w = static_cast<int>(std::ceil(face.Measure(text, tracking))) + 2 * padding + 2;
  const int h = static_cast<int>(std::ceil(face.Ascender() - face.Descender())) + 2 * padding;
  Canvas layer(w, h, {colour.r, colour.g, colour.b, 0});
  face.Draw(layer, static_cast<float>(padding) + 1, padding + face.Ascender(), text, colour,
            tracking);
  return layer;
}

void DrawTitle(Canvas& canvas, const FontFace& face, const std::string& text, float cx, float cy,
               const TitleStyle& style) {
  const int pad = static_cast<int>(std::ceil(std::max(style.shadowBlur, style.glowBlur) * 2)) + 4;
  const Canvas letters = TextLayer(face, text, style.fill, style.tracking, pad);
  // Centre on the capital height, not on the ascender, so capitals sit in the middle.
  const float capMiddle = pad + face.Ascender() - face.CapHeight() / 2;
  const int x = static_cast<int>(std::lround(cx - letters.Width() / 2.0f));
  const int y = static_cast<int>(std::lround(cy - capMiddle));
  if (style.shadow.a > 0) {
    Canvas shadow = TextLayer(face, text, WithAlpha(style.shadow, 1), style.tracking, pad);
    shadow.Blur(style.shadowBlur);
    const int off = static_cast<int>(std::lround(style.shadowOffset));
    canvas.Draw(shadow, x + off, y + off, BlendMode::Over, style.shadow.a);
  }
  if (style.glow.a > 0) {
    Canvas glow = TextLayer(face, text, WithAlpha(style.glow, 1), style.tracking, pad);
    glow.Blur(style.glowBlur);
    canvas.Draw(glow, x, y, BlendMode::Add, style.glow.a);
  }
  canvas.Draw(letters, x, y);
}
