#include "render/kept_picture.h"

#include <GL/gl.h>

#include <array>
#include <vector>

#include "render/framebuffer_calls.h"

namespace {

// Everything the picture's pixels depend on, as GL reports it.
struct PictureState {
  GLint texture = 0, drawFramebuffer = 0, program = 0, textureMode = 0;
  std::array<GLboolean, 4> switches{};  // texturing, lighting, fog, alpha test
  std::array<GLint, 4> viewport{}, scissorBox{};
  GLboolean scissor = GL_FALSE;
  std::array<GLfloat, 16> projection{}, modelview{}, textureMatrix{};
  std::array<GLfloat, 4> colour{}, clearColour{};
  std::vector<unsigned char> look;

  bool operator==(const PictureState& o) const {
    return texture == o.texture && drawFramebuffer == o.drawFramebuffer && program == o.program &&
           textureMode == o.textureMode && switches == o.switches && viewport == o.viewport &&
           scissorBox == o.scissorBox && scissor == o.scissor && projection == o.projection &&
           modelview == o.modelview && textureMatrix == o.textureMatrix && colour == o.colour &&
           clearColour == o.clearColour && look == o.look;
  }
};

PictureState CurrentState(const void* look, std::size_t lookSize) {
  PictureState s;
  const auto* bytes = static_cast<const unsigned char*>(look);
  s.look.assign(bytes, bytes + (look != nullptr ? lookSize : 0));
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &s.texture);
  glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &s.drawFramebuffer);
  glGetIntegerv(GL_CURRENT_PROGRAM, &s.program);
  glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &s.textureMode);
  s.switches = {glIsEnabled(GL_TEXTURE_2D), glIsEnabled(GL_LIGHTING), glIsEnabled(GL_FOG), glIsEnabled(GL_ALPHA_TEST)};
  glGetIntegerv(GL_VIEWPORT, s.viewport.data());
  glGetIntegerv(GL_SCISSOR_BOX, s.scissorBox.data());
  s.scissor = glIsEnabled(GL_SCISSOR_TEST);
  glGetFloatv(GL_PROJECTION_MATRIX, s.projection.data());
  glGetFloatv(GL_MODELVIEW_MATRIX, s.modelview.data());
  glGetFloatv(GL_TEXTURE_MATRIX, s.textureMatrix.data());
  glGetFloatv(GL_CURRENT_COLOR, s.colour.data());
  glGetFloatv(GL_COLOR_CLEAR_VALUE, s.clearColour.data());
  return s;
}

struct KeptPicture {
  GLuint framebuffer = 0, colour = 0;
  int width = 0, height = 0;
  bool valid = false;
  PictureState state;
  // The state last asked for: a picture is kept only when a frame asks for what the one before
  // did, so one that changes every frame (a pulsing button) is drawn, not drawn and copied.
  bool asked = false;
  PictureState askedState;
};

// One picture a level: a whole menu at rest, and while that is drawn, the background inside it.
KeptPicture Kept[2];
int Level = 0;  // kept pictures being drawn directly around this one
// A kept picture is being drawn or replayed: a picture drawn inside it is part of it, drawn as is.
bool Inside = false;

// Runs the drawing's state changes with no pixel left to draw.
void ReplayWithoutPixels(const PictureState& state, void (*draw)()) {
  glScissor(0, 0, 0, 0);
  glEnable(GL_SCISSOR_TEST);
  Inside = true;
  draw();
  Inside = false;
  glScissor(state.scissorBox[0], state.scissorBox[1], state.scissorBox[2], state.scissorBox[3]);
  if (!state.scissor) glDisable(GL_SCISSOR_TEST);
}

void Release(KeptPicture& kept) {
  if (kept.framebuffer != 0) {
    const FramebufferCalls& gl = *Framebuffers();
    gl.deleteFramebuffers(1, &kept.framebuffer);
    gl.deleteRenderbuffers(1, &kept.colour);
  }
  kept = KeptPicture{};
}

// Colour with alpha, as the window has: later passes blend with the destination's alpha.
bool MakeFramebuffer(const FramebufferCalls& gl, KeptPicture& kept, int width, int height) {
  Release(kept);
  gl.genFramebuffers(1, &kept.framebuffer);
  gl.genRenderbuffers(1, &kept.colour);
  gl.bindRenderbuffer(GL_RENDERBUFFER, kept.colour);
  gl.renderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
  gl.bindRenderbuffer(GL_RENDERBUFFER, 0);
  gl.bindFramebuffer(GL_DRAW_FRAMEBUFFER, kept.framebuffer);
  gl.framebufferRenderbuffer(GL_DRAW_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, kept.colour);
  if (gl.checkFramebufferStatus(GL_DRAW_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
    Release(kept);
    return false;
  }
  kept.width = width;
  kept.height = height;
  return true;
}

void DrawDirectly(void (*draw)()) {
  ++Level;
  draw();
  --Level;
}

// Copies the bottom-left width × height of one framebuffer into another, within the scissor box
// if the test is on; the draw framebuffer is `to` afterwards, the read one as it was.
void CopyPixels(const FramebufferCalls& gl, GLuint from, GLuint to, int width, int height) {
  GLint readFramebuffer = 0;
  glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &readFramebuffer);
  gl.bindFramebuffer(GL_READ_FRAMEBUFFER, from);
  gl.bindFramebuffer(GL_DRAW_FRAMEBUFFER, to);
  gl.blitFramebuffer(0, 0, width, height, 0, 0, width, height, GL_COLOR_BUFFER_BIT, GL_NEAREST);
  gl.bindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(readFramebuffer));
}

// Draws the picture where the frame goes, over the frame's clear, and copies it out: drawing
// into the frame itself needs no second set of the rasteriser's compiled shaders.
bool KeepPicture(const FramebufferCalls& gl, KeptPicture& kept, const PictureState& state, void (*draw)()) {
  const int width = state.viewport[0] + state.viewport[2];
  const int height = state.viewport[1] + state.viewport[3];
  if ((kept.width != width || kept.height != height || kept.framebuffer == 0) &&
      !MakeFramebuffer(gl, kept, width, height)) {
    return false;
  }
  const auto frame = static_cast<GLuint>(state.drawFramebuffer);
  gl.bindFramebuffer(GL_DRAW_FRAMEBUFFER, frame);
  DrawDirectly(draw);
  if (state.scissor) glDisable(GL_SCISSOR_TEST);  // the whole frame: the copy in honours the box
  CopyPixels(gl, frame, kept.framebuffer, width, height);
  if (state.scissor) glEnable(GL_SCISSOR_TEST);
  gl.bindFramebuffer(GL_DRAW_FRAMEBUFFER, frame);
  kept.state = state;
  kept.valid = true;
  return true;
}

}  // namespace

void DrawKeptPicture(void (*draw)(), const void* look, std::size_t lookSize) {
  const FramebufferCalls* gl = Framebuffers();
  if (gl == nullptr || Inside || Level >= 2 || glIsEnabled(GL_BLEND) || glIsEnabled(GL_DEPTH_TEST)) {
    draw();
    return;
  }
  KeptPicture& kept = Kept[Level];
  const PictureState state = CurrentState(look, lookSize);
  if (!kept.valid || !(kept.state == state)) {
    const bool askedBefore = kept.asked && kept.askedState == state;
    kept.asked = true;
    kept.askedState = state;
    if (!askedBefore || !KeepPicture(*gl, kept, state, draw)) {
      gl->bindFramebuffer(GL_DRAW_FRAMEBUFFER, static_cast<GLuint>(state.drawFramebuffer));
      DrawDirectly(draw);
    }
    return;
  }
  // The copy honours the scissor box, as the quad did.
  CopyPixels(*gl, kept.framebuffer, static_cast<GLuint>(state.drawFramebuffer), kept.width, kept.height);
  ReplayWithoutPixels(state, draw);
}

void ReleaseKeptPicture() {
  for (KeptPicture& kept : Kept) Release(kept);
}
