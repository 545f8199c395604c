#include "render/framebuffer_calls.h"

#include "platform/platform.h"

namespace {

template <typename Call>
bool Load(Call& call, const char* name) {
  call = reinterpret_cast<Call>(GlProcAddress(name));
  return call != nullptr;
}

bool LookUpCalls(FramebufferCalls& gl) {
  return Load(gl.genFramebuffers, "glGenFramebuffers") && Load(gl.deleteFramebuffers, "glDeleteFramebuffers") &&
         Load(gl.bindFramebuffer, "glBindFramebuffer") && Load(gl.genRenderbuffers, "glGenRenderbuffers") &&
         Load(gl.deleteRenderbuffers, "glDeleteRenderbuffers") && Load(gl.bindRenderbuffer, "glBindRenderbuffer") &&
         Load(gl.renderbufferStorage, "glRenderbufferStorage") &&
         Load(gl.framebufferRenderbuffer, "glFramebufferRenderbuffer") &&
         Load(gl.checkFramebufferStatus, "glCheckFramebufferStatus") && Load(gl.blitFramebuffer, "glBlitFramebuffer");
}

}  // namespace

const FramebufferCalls* Framebuffers() {
  static bool looked = false;
  static bool available = false;
  static FramebufferCalls calls;
  if (!looked) {
    looked = true;
    available = LookUpCalls(calls);
  }
  return available ? &calls : nullptr;
}
