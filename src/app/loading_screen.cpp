#include <GL/gl.h>

#include "app/app.h"
#include "render/render.h"

void LoadingScreen(bool secondImage) {
  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
  glDisable(GL_LIGHTING);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  LoadMenuProjection();
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();

  glBindTexture(GL_TEXTURE_2D, LoadingImages[secondImage ? 1 : 0]);
  glBegin(GL_QUADS);
  glTexCoord2f(0.0f, 0.0f);
  glVertex2f(0.0f, 0.0f);
  glTexCoord2f(1.0f, 0.0f);
  glVertex2f(800.0f, 0.0f);
  glTexCoord2f(1.0f, 1.0f);
  glVertex2f(800.0f, 600.0f);
  glTexCoord2f(0.0f, 1.0f);
  glVertex2f(0.0f, 600.0f);
  glEnd();

  if (secondImage) {
    glEnable(GL_BLEND);
    PrintSmall(350.0f, 5.0f, 1, "Loading...");
  }

  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}
