#include <GL/gl.h>

#include "app/content_report.h"
#include "render/file_bytes.h"
#include "render/mesh_model.h"
#include "render/shader_lighting.h"
#include "render/textures.h"

Ms3dModel* LampModel = nullptr;

MeshModel::~MeshModel() { Clear(); }

void MeshModel::DeleteTextures() {
  for (MeshMaterial& material : materials) {
    const unsigned int texture = material.texture;
    if (texture == 0) continue;
    glDeleteTextures(1, &texture);
    for (MeshMaterial& other : materials) {
      if (other.texture == texture) other.texture = 0;
    }
  }
}

void MeshModel::Clear() {
  DeleteTextures();
  static_cast<MeshData&>(*this) = MeshData{};
  cornerArrays.reset();
}

void MeshModel::BuildCornerArrays() { cornerArrays = BuildMeshCornerArrays(*this); }

bool Ms3dModel::Load(const char* gamePath) {
  Clear();
  const auto bytes = ReadFileBytes(gamePath);
  if (!bytes) return false;
  if (ParseMs3d(bytes->data(), bytes->size(), *this)) return true;
  ReportContentProblem(gamePath, ContentProblem::Damaged);
  return false;
}

void MeshModel::LoadTextures() {
  DeleteTextures();
  for (std::size_t i = 0; i < materials.size(); ++i) {
    MeshMaterial& material = materials[i];
    if (material.texturePath.empty()) continue;
    for (std::size_t k = 0; k < i && material.texture == 0; ++k) {
      if (materials[k].texturePath == material.texturePath) material.texture = materials[k].texture;
    }
    if (material.texture == 0) material.texture = LoadMaterialTexture(material.texturePath.c_str());
  }
}

void MeshModel::BuildTriangleRecords() { ::BuildTriangleRecords(*this); }

namespace {

void DrawCorners(const MeshCornerArrays& arrays, const MeshCornerArrays::Range& range) {
  const MeshCorner* corners = arrays.corners.data();
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_NORMAL_ARRAY);
  glEnableClientState(GL_TEXTURE_COORD_ARRAY);
  glVertexPointer(3, GL_FLOAT, sizeof(MeshCorner), &corners->position);
  glNormalPointer(GL_FLOAT, sizeof(MeshCorner), &corners->normal);
  glTexCoordPointer(2, GL_FLOAT, sizeof(MeshCorner), &corners->s);
  glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(range.count), GL_UNSIGNED_INT, &arrays.order[range.first]);
  glDisableClientState(GL_TEXTURE_COORD_ARRAY);
  glDisableClientState(GL_NORMAL_ARRAY);
  glDisableClientState(GL_VERTEX_ARRAY);
  // What is drawn next sees the last corner's normal and texture coordinate, as it would after
  // the corners had been sent one by one.
  const MeshCorner& last = corners[arrays.order[range.first + range.count - 1]];
  glNormal3f(last.normal.x, last.normal.y, last.normal.z);
  glTexCoord2f(last.s, last.t);
}

}  // namespace

void MeshModel::Draw() {
  if (!cornerArrays) BuildCornerArrays();
  const GLboolean wasTextured = glIsEnabled(GL_TEXTURE_2D);
  for (const MeshGroup& mesh : meshes) {
    if (mesh.materialIndex < 0) {
      glDisable(GL_TEXTURE_2D);
      // The shader samples whatever is bound: the default texture is plain white.
      glBindTexture(GL_TEXTURE_2D, 0);
    } else {
      const MeshMaterial& m = materials[static_cast<std::size_t>(mesh.materialIndex)];
      SetMaterial(m.ambient, m.diffuse, m.specular, m.emissive, m.shininess);
      glBindTexture(GL_TEXTURE_2D, m.texture);
      if (m.texture != 0) {
        glEnable(GL_TEXTURE_2D);
      } else {
        glDisable(GL_TEXTURE_2D);
      }
    }
    if (!IsMeshVisible(*this, mesh)) continue;
    const MeshCornerArrays::Range& range = cornerArrays->groups[static_cast<std::size_t>(&mesh - meshes.data())];
    if (range.count == 0) continue;
    DrawCorners(*cornerArrays, range);
  }
  if (wasTextured) {
    glEnable(GL_TEXTURE_2D);
  } else {
    glDisable(GL_TEXTURE_2D);
  }
}
