#include "render/scene_target.h"

#include <GL/gl.h>

#include "render/framebuffer_calls.h"

namespace {

struct SceneTarget {
  GLuint framebuffer = 0;
  GLuint colour = 0;
  GLuint depth = 0;
  int width = 0;
  int height = 0;
  bool drawing = false;  // the current frame goes into the target
};

SceneTarget Target;

// Colour with alpha (the game blends with the destination's alpha) and depth of the settings.
bool MakeTarget(const FramebufferCalls& gl, int width, int height, int depthBits) {
  ReleaseSceneTarget();
  gl.genFramebuffers(1, &Target.framebuffer);
  gl.genRenderbuffers(1, &Target.colour);
  gl.genRenderbuffers(1, &Target.depth);
  gl.bindRenderbuffer(GL_RENDERBUFFER, Target.colour);
  gl.renderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
  gl.bindRenderbuffer(GL_RENDERBUFFER, Target.depth);
  gl.renderbufferStorage(GL_RENDERBUFFER, depthBits == 16 ? GL_DEPTH_COMPONENT16 : GL_DEPTH_COMPONENT24, width,
                         height);
  gl.bindRenderbuffer(GL_RENDERBUFFER, 0);
  gl.bindFramebuffer(GL_FRAMEBUFFER, Target.framebuffer);
  gl.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, Target.colour);
  gl.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, Target.depth);
  const bool complete = gl.checkFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
  gl.bindFramebuffer(GL_FRAMEBUFFER, 0);
  if (!complete) {
    ReleaseSceneTarget();
    return false;
  }
  Target.width = width;
  Target.height = height;
  return true;
}

}  // namespace

bool BeginSceneFrame(int width, int height, int windowWidth, int windowHeight, int depthBits) {
  Target.drawing = false;
  if (width >= windowWidth && height >= windowHeight) return true;
  const FramebufferCalls* gl = Framebuffers();
  if (gl == nullptr) return false;
  if ((Target.width != width || Target.height != height) && !MakeTarget(*gl, width, height, depthBits)) return false;
  gl->bindFramebuffer(GL_FRAMEBUFFER, Target.framebuffer);
  Target.drawing = true;
  return true;
}

void PresentSceneFrame(int windowWidth, int windowHeight) {
  if (!Target.drawing) return;
  Target.drawing = false;
  const FramebufferCalls& gl = *Framebuffers();
  gl.bindFramebuffer(GL_READ_FRAMEBUFFER, Target.framebuffer);
  gl.bindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
  gl.blitFramebuffer(0, 0, Target.width, Target.height, 0, 0, windowWidth, windowHeight, GL_COLOR_BUFFER_BIT,
                     GL_LINEAR);
  gl.bindFramebuffer(GL_FRAMEBUFFER, 0);
}

void ReleaseSceneTarget() {
  if (Target.framebuffer == 0) return;
  const FramebufferCalls& gl = *Framebuffers();
  gl.deleteFramebuffers(1, &Target.framebuffer);
  gl.deleteRenderbuffers(1, &Target.colour);
  gl.deleteRenderbuffers(1, &Target.depth);
  Target = SceneTarget{};
}

MenuSpaceBox CurrentMenuSpace() {
  GLint viewport[4] = {0, 0, 0, 0};
  glGetIntegerv(GL_VIEWPORT, viewport);
  return MenuSpaceEdges(viewport[2], viewport[3]);
}

void LoadMenuProjection() {
  const MenuSpaceBox box = CurrentMenuSpace();
  glOrtho(box.left, box.right, box.bottom, box.top, -1, 1);
}

void ClipToMenuArea(bool clip) {
  if (!clip) {
    glDisable(GL_SCISSOR_TEST);
    return;
  }
  GLint viewport[4] = {0, 0, 0, 0};
  glGetIntegerv(GL_VIEWPORT, viewport);
  const PixelRect area = MenuAreaPixels(viewport[2], viewport[3]);
  glScissor(viewport[0] + area.x, viewport[1] + area.y, area.width, area.height);
  glEnable(GL_SCISSOR_TEST);
}
