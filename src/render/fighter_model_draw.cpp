#include <GL/gl.h>

#include <algorithm>

#include "render/bhm_reader.h"
#include "render/fighter_model.h"
#include "render/textures.h"

namespace {

struct LinkDraw {
  int skinEntry;
  int linkCounter = 0;
};

void DrawMeshes(const ModelPart& part, int current, int next) {
  const float t = part.t;
  for (const ModelMesh& mesh : part.meshes) {
    if (mesh.vertexCount == 0) continue;
    const PackedVertex* from = &mesh.vertices[mesh.FrameStart(current)];
    const PackedVertex* to = &mesh.vertices[mesh.FrameStart(next)];
    const bool textured = !mesh.texCoords.empty();
    glBegin(GL_TRIANGLES);
    for (const auto& triangle : mesh.triangles) {
      // The file winds its triangles the other way round from GL's front faces.
      for (int corner = 2; corner >= 0; --corner) {
        const std::size_t v = static_cast<std::size_t>(triangle[static_cast<std::size_t>(corner)]);
        if (textured) glTexCoord2f(mesh.texCoords[v].u, mesh.texCoords[v].v);
        const Vector3 n = Lerp(DecodeNormal(from[v].a, from[v].b), DecodeNormal(to[v].a, to[v].b), t);
        const Vector3 p = Lerp(DecodePosition(from[v]), DecodePosition(to[v]), t);
        glNormal3f(n.x, n.y, n.z);
        glVertex3f(p.x, p.y, p.z);
      }
    }
    glEnd();
  }
}

void DrawPart(const ModelPart& part, LinkDraw& draw) {
  const int frames = PlayableFrameCount(part);
  if (frames == 0) return;
  // Frame numbers were clamped when the animation started; this guards a part whose frames were
  // never set by an animation.
  const int last = frames < 0 ? 0 : frames - 1;
  const int current = std::min(part.currentFrame, last);
  const int next = std::min(part.nextFrame, last);
  DrawMeshes(part, current, next);

  for (int i = 0; i < part.tagCount; ++i) {
    ModelPart* linked = part.links[static_cast<std::size_t>(i)];
    if (linked == nullptr) continue;
    const ModelTag& from = part.tags[static_cast<std::size_t>(current * part.tagCount + i)];
    const ModelTag& to = part.tags[static_cast<std::size_t>(next * part.tagCount + i)];
    const Vector3 origin = Lerp(from.origin, to.origin, part.t);
    Matrix4 transform =
        MatrixFromQuaternion(Slerp(QuaternionFromRotation3(from.axis), QuaternionFromRotation3(to.axis), part.t));
    transform.m[12] = origin.x, transform.m[13] = origin.y, transform.m[14] = origin.z;
    glPushMatrix();
    glMultMatrixf(transform.m);
    if (draw.linkCounter == 0) BindTexture(draw.skinEntry);
    ++draw.linkCounter;
    DrawPart(*linked, draw);
    glPopMatrix();
  }
}

}  // namespace

void FighterModel::Draw() {
  drawn = true;
  glEnable(GL_CULL_FACE);
  glCullFace(GL_BACK);
  Advance();
  LinkDraw draw{SkinTextureEntry(skinIndex)};
  DrawPart(lower, draw);
  glEnable(GL_CULL_FACE);
  glCullFace(GL_BACK);
}
