#include <GL/gl.h>

#include <algorithm>
#include <vector>

#include "render/bhm_reader.h"
#include "render/fighter_model.h"
#include "render/textures.h"

namespace {

struct LinkDraw {
  int skinEntry;
  int linkCounter = 0;
};

// One frame's vertices, each decoded and blended once (a vertex is shared by several triangles),
// then drawn as indexed arrays; the scratch keeps its capacity from frame to frame.
struct BlendedFrame {
  std::vector<Vector3> positions, normals;
};

void BlendVertices(const ModelMesh& mesh, const PackedVertex* from, const PackedVertex* to, float t,
                   BlendedFrame& frame) {
  const std::size_t count = static_cast<std::size_t>(mesh.vertexCount);
  frame.positions.resize(count);
  frame.normals.resize(count);
  for (std::size_t v = 0; v < count; ++v) {
    frame.normals[v] = Lerp(DecodeNormal(from[v].a, from[v].b), DecodeNormal(to[v].a, to[v].b), t);
    frame.positions[v] = Lerp(DecodePosition(from[v]), DecodePosition(to[v]), t);
  }
}

// The file winds its triangles the other way round from GL's front faces.
const std::vector<std::uint32_t>& DrawCorners(ModelMesh& mesh) {
  if (mesh.drawCorners.size() != mesh.triangles.size() * 3) {
    mesh.drawCorners.clear();
    for (const auto& triangle : mesh.triangles) {
      for (int corner = 2; corner >= 0; --corner) {
        mesh.drawCorners.push_back(static_cast<std::uint32_t>(triangle[static_cast<std::size_t>(corner)]));
      }
    }
  }
  return mesh.drawCorners;
}

void DrawMeshes(ModelPart& part, int current, int next) {
  static BlendedFrame frame;
  for (ModelMesh& mesh : part.meshes) {
    if (mesh.vertexCount == 0 || mesh.triangles.empty()) continue;
    BlendVertices(mesh, &mesh.vertices[mesh.FrameStart(current)], &mesh.vertices[mesh.FrameStart(next)], part.t, frame);
    const std::vector<std::uint32_t>& corners = DrawCorners(mesh);
    const bool textured = !mesh.texCoords.empty();
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glVertexPointer(3, GL_FLOAT, sizeof(Vector3), frame.positions.data());
    glNormalPointer(GL_FLOAT, sizeof(Vector3), frame.normals.data());
    if (textured) {
      glEnableClientState(GL_TEXTURE_COORD_ARRAY);
      glTexCoordPointer(2, GL_FLOAT, sizeof(Vector2), mesh.texCoords.data());
    }
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(corners.size()), GL_UNSIGNED_INT, corners.data());
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    // What follows (an untextured mesh, the particles) sees the last corner's normal and texture
    // coordinate, as it would after the corners had been sent one by one.
    const std::size_t last = corners.back();
    if (textured) glTexCoord2f(mesh.texCoords[last].u, mesh.texCoords[last].v);
    glNormal3f(frame.normals[last].x, frame.normals[last].y, frame.normals[last].z);
  }
}

void DrawPart(ModelPart& part, LinkDraw& draw) {
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
