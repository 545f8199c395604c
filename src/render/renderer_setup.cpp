#include <GL/gl.h>

#include "render/render.h"

void SetStartupGlState() {
  glColor4f(1.0f, 1.0f, 1.0f, 0.5f);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);
  glEnable(GL_TEXTURE_2D);
  glShadeModel(GL_SMOOTH);
  glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
  glClearDepth(1.0);
  glHint(GL_POINT_SMOOTH_HINT, GL_NICEST);
  glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
  glHint(GL_POLYGON_SMOOTH_HINT, GL_NICEST);
  glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
  glDepthFunc(GL_LEQUAL);
  glEnable(GL_DEPTH_TEST);

  const GLfloat ambient[4] = {0.2f, 0.2f, 0.2f, 1.0f};
  const GLfloat white[4] = {1.0f, 1.0f, 1.0f, 1.0f};
  const GLfloat position[4] = {0.0f, 3.0f, 0.0f, 1.0f};
  glLightfv(GL_LIGHT1, GL_AMBIENT, ambient);
  glLightfv(GL_LIGHT1, GL_DIFFUSE, white);
  glLightfv(GL_LIGHT1, GL_SPECULAR, white);
  glLightfv(GL_LIGHT1, GL_POSITION, position);
  glEnable(GL_LIGHT1);

  glEnable(GL_COLOR_MATERIAL);
  glColorMaterial(GL_BACK, GL_AMBIENT);
  glEnable(GL_NORMALIZE);
  glCullFace(GL_BACK);
  glEnable(GL_CULL_FACE);

  // The shaders read these values as built-in state. At density 0 fixed-function fog would leave
  // every pixel as it is, so it stays off rather than cost each fragment of every flat quad.
  const GLfloat fogColour[4] = {0.0f, 0.0f, 0.0f, 0.5f};
  glFogi(GL_FOG_MODE, GL_EXP);
  glFogfv(GL_FOG_COLOR, fogColour);
  glFogf(GL_FOG_DENSITY, 0.0f);
  glHint(GL_FOG_HINT, GL_DONT_CARE);
  glFogf(GL_FOG_START, 30.0f);
  glFogf(GL_FOG_END, 300.0f);

  // The default texture (name 0) is what untextured geometry and failed loads bind. Plain white
  // makes it neutral under both the modulating texture stage and the lighting shader, which
  // samples its decal texture whatever is bound.
  const GLubyte whitePixel[4] = {255, 255, 255, 255};
  glBindTexture(GL_TEXTURE_2D, 0);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, whitePixel);
}

bool LoadStartupImagesAndFonts() {
  const bool images = LoadLoadingImages();
  const bool font = FontImage.Load(".\\base\\textures\\text.tga");
  glBindTexture(GL_TEXTURE_2D, LoadingImages[2]);
  BuildFonts();
  return images && font;
}
