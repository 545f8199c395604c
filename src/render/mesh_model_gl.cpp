#include <GL/gl.h>

#include "app/content_report.h"
#include "render/file_bytes.h"
#include "render/mesh_model.h"
#include "render/shader_lighting.h"
#include "render/textures.h"

Ms3dModel* LampModel = nullptr;

MeshModel::~MeshModel() { Clear(); }

void MeshModel::Clear() {
  for (MeshMaterial& material : materials) {
    if (material.texture != 0) glDeleteTextures(1, &material.texture);
  }
  static_cast<MeshData&>(*this) = MeshData{};
}

bool Ms3dModel::Load(const char* gamePath) {
  Clear();
  const auto bytes = ReadFileBytes(gamePath);
  if (!bytes) return false;
  if (ParseMs3d(bytes->data(), bytes->size(), *this)) return true;
  ReportContentProblem(gamePath, ContentProblem::Damaged);
  return false;
}

void MeshModel::LoadTextures() {
  for (MeshMaterial& material : materials) {
    if (material.texture != 0) glDeleteTextures(1, &material.texture);
    material.texture = material.texturePath.empty() ? 0 : LoadMaterialTexture(material.texturePath.c_str());
  }
}

void MeshModel::BuildTriangleRecords() { ::BuildTriangleRecords(*this); }

void MeshModel::Draw() {
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
    glBegin(GL_TRIANGLES);
    for (int index : mesh.triangleIndices) {
      const MeshTriangle& tri = triangles[static_cast<std::size_t>(index)];
      for (int k = 0; k < 3; ++k) {
        const Vector3& p = vertices[static_cast<std::size_t>(tri.vertexIndices[k])].position;
        glNormal3f(tri.normals[k].x, tri.normals[k].y, tri.normals[k].z);
        glTexCoord2f(tri.s[k], tri.t[k]);
        glVertex3f(p.x, p.y, p.z);
      }
    }
    glEnd();
  }
  if (wasTextured) {
    glEnable(GL_TEXTURE_2D);
  } else {
    glDisable(GL_TEXTURE_2D);
  }
}
