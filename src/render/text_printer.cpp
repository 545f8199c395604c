#include <GL/gl.h>

#include <cstdarg>
#include <cstdio>

#include "render/text_printer.h"
#include "render/scene_target.h"
#include "render/textures.h"

namespace {

struct Font {
  GLuint base = 0;
  float width, height, advance;
};

Font SmallFont{0, 21.0f, 16.0f, 10.0f};
Font LargeFont{0, 34.0f, 24.0f, 18.0f};

void BuildFont(Font& font) {
  font.base = glGenLists(256);
  for (int i = 0; i < 256; ++i) {
    const float left = static_cast<float>(i % 16) / 16.0f;
    const float right = left + 1.0f / 16.0f;
    const float top = 1.0f - static_cast<float>(i / 16) / 16.0f;
    const float bottom = top - 1.0f / 16.0f;
    glNewList(font.base + static_cast<GLuint>(i), GL_COMPILE);
    glBegin(GL_QUADS);
    glTexCoord2f(left, bottom);
    glVertex2f(0.0f, 0.0f);
    glTexCoord2f(right, bottom);
    glVertex2f(font.width, 0.0f);
    glTexCoord2f(right, top);
    glVertex2f(font.width, font.height);
    glTexCoord2f(left, top);
    glVertex2f(0.0f, font.height);
    glEnd();
    glTranslatef(font.advance, 0.0f, 0.0f);
    glEndList();
  }
}

__attribute__((format(printf, 6, 0))) void Print(const Font& font, float x, float y, int set, float alpha,
                                                 const char* format, va_list args) {
  if (format == nullptr || font.base == 0) return;
  char text[MaxTextLength + 1];
  std::vsnprintf(text, sizeof text, format, args);
  const std::vector<int> cells = GlyphCells(text, set);

  glDisable(GL_DEPTH_TEST);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  LoadMenuProjection();
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  glTranslatef(x, y, 0.0f);

  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glColor4f(1.0f, 1.0f, 1.0f, alpha);
  glBindTexture(GL_TEXTURE_2D, FontImage.texture);
  for (int cell : cells) glCallList(font.base + static_cast<GLuint>(cell));

  glEnable(GL_DEPTH_TEST);
  glDisable(GL_BLEND);
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
  // The next drawer expects these, whatever the printer found.
  glBlendFunc(GL_ONE, GL_ONE);
  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

}  // namespace

void BuildFonts() {
  BuildFont(SmallFont);
  BuildFont(LargeFont);
}

void DeleteFonts() {
  for (Font* font : {&SmallFont, &LargeFont}) {
    if (font->base != 0) glDeleteLists(font->base, 256);
    font->base = 0;
  }
}

void PrintSmall(float x, float y, int set, const char* format, ...) {
  va_list args;
  va_start(args, format);
  Print(SmallFont, x, y, set, TextAlpha, format, args);
  va_end(args);
}

void PrintLarge(float x, float y, int set, const char* format, ...) {
  va_list args;
  va_start(args, format);
  Print(LargeFont, x, y, set, 1.0f, format, args);
  va_end(args);
}
