#include "screens/menu_widgets.h"

#include <GL/gl.h>

#include "render/render.h"
#include "screens/menu_clocks.h"
#include "screens/screen_flow.h"

bool MenuOverClearFrame = true;

void DrawTexturedQuad(float x0, float y0, float x1, float y1) {
  glBegin(GL_QUADS);
  glTexCoord2f(0, 0);
  glVertex2f(x0, y0);
  glTexCoord2f(1, 0);
  glVertex2f(x1, y0);
  glTexCoord2f(1, 1);
  glVertex2f(x1, y1);
  glTexCoord2f(0, 1);
  glVertex2f(x0, y1);
  glEnd();
}

void DrawFullScreenQuad(int texture) {
  BindTexture(texture);
  DrawTexturedQuad(0, 0, 800, 600);
}

void FillWholeFrame() {
  const MenuSpaceBox box = CurrentMenuSpace();
  glDisable(GL_TEXTURE_2D);
  glBegin(GL_QUADS);
  glVertex2d(box.left, box.bottom);
  glVertex2d(box.right, box.bottom);
  glVertex2d(box.right, box.top);
  glVertex2d(box.left, box.top);
  glEnd();
  glEnable(GL_TEXTURE_2D);
}

// Plain black reads no texture: the pass costs the blend alone.
void DrawBlackVeil(float opacity) {
  if (opacity <= 0) return;
  glEnable(GL_BLEND);
  glBlendFunc(GL_DST_COLOR, GL_ONE_MINUS_SRC_ALPHA);
  glColor4f(0, 0, 0, opacity);
  FillWholeFrame();
}

namespace {

void DrawWholeScreenQuad() { DrawTexturedQuad(0, 0, 800, 600); }

// A background over the black of the clear is the same picture frame after frame: copied in.
void DrawBackgroundPicture(int texture) {
  BindTexture(texture);
  if (MenuOverClearFrame) {
    DrawKeptPicture(DrawWholeScreenQuad);
  } else {
    DrawWholeScreenQuad();
  }
}

// Mask then face: the mask's dark parts cut a hole, the face is added into it.
void DrawMaskedQuad(int mask, int face, float x0, float y0, float x1, float y1) {
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_LIGHTING);
  glEnable(GL_BLEND);
  glColor4f(1, 1, 1, 1);
  glBlendFunc(GL_DST_COLOR, GL_ZERO);
  BindTexture(mask);
  DrawTexturedQuad(x0, y0, x1, y1);
  glBlendFunc(GL_ONE, GL_ONE);
  BindTexture(face);
  DrawTexturedQuad(x0, y0, x1, y1);
  glDisable(GL_BLEND);
}

}  // namespace

void DrawMaskedBackground(int mask, int picture) {
  if (MenuOverClearFrame) {
    // Black times the mask stays black, and the picture added to black is the picture itself.
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glColor4f(1, 1, 1, 1);
    DrawBackgroundPicture(picture);
    glBlendFunc(GL_ONE, GL_ONE);  // as the masked quad leaves it
  } else {
    DrawMaskedQuad(mask, picture, 0, 0, 800, 600);
  }
  glEnable(GL_DEPTH_TEST);
}

void DrawPlainBackground(bool depthTestOff) {
  glColor4f(1, 1, 1, 1);
  glDisable(GL_LIGHTING);
  if (depthTestOff) glDisable(GL_DEPTH_TEST);
  DrawBackgroundPicture(22);
}

void DrawButton(bool hovered) {
  glPushMatrix();
  glTranslatef(60, 16, 0);
  const float scale = ButtonPulseScale(hovered);
  glScalef(scale, scale, 1);
  DrawMaskedQuad(17, 18, -60, -16, 60, 16);
  glPopMatrix();
}

void DrawButtonAt(float x, float y, bool hovered) {
  glPushMatrix();
  glTranslatef(x, y, 0);
  DrawButton(hovered);
  glPopMatrix();
}

void DrawSideArrow(int kind, bool hovered) {
  glPushMatrix();
  glTranslatef(ArrowShake(hovered), 0, 0);
  if (kind == 0) {
    DrawMaskedQuad(26, 27, 0, 0, 80, 32);
  } else {
    DrawMaskedQuad(12, 13, 0, 0, 80, 32);
  }
  glPopMatrix();
}

void DrawArenaArrow(int kind, bool hovered) {
  glPushMatrix();
  glTranslatef(0, ArrowShake(hovered), 0);
  if (kind == 0) {
    DrawMaskedQuad(53, 54, 0, 0, 120, 32);
  } else {
    DrawMaskedQuad(28, 29, 0, 0, 120, 32);
  }
  glPopMatrix();
}

void DrawStatBar(float value) {
  BindTexture(65);
  const float length = 300 * value;
  glBegin(GL_QUADS);
  glTexCoord2f(0, 0);
  glVertex2f(0, 0);
  glTexCoord2f(1.65f * value, 0);
  glVertex2f(length, 0);
  glTexCoord2f(1.65f * value, 1);
  glVertex2f(length, 8);
  glTexCoord2f(0, 1);
  glVertex2f(0, 8);
  glEnd();
}

void DrawPointer() {
  glColor4f(1, 1, 1, 1);
  glDisable(GL_BLEND);
  glDisable(GL_LIGHTING);
  BindTexture(14);
  const float x = static_cast<float>(ScreenFlow.PointerX);
  // Pointer y counts from the top; the tip is the triangle's top corner, 20 units above its base.
  const float y = static_cast<float>(580 - ScreenFlow.PointerY);
  glBegin(GL_TRIANGLES);
  glTexCoord2f(0.5f, 1);
  glVertex2f(x, y + 20);
  glTexCoord2f(0, 0);
  glVertex2f(x, y);
  glTexCoord2f(1, 0);
  glVertex2f(x + 15, y + 5);
  glEnd();
}

void FinishFlatMenu() {
  glEnable(GL_DEPTH_TEST);
  glDisable(GL_BLEND);
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}
