#include "arenas/ms3d_file.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace {

class Writer {
 public:
  explicit Writer(std::vector<std::uint8_t>& out) : out_(out) {}
  void U8(std::uint8_t v) { out_.push_back(v); }
  void I8(std::int8_t v) { out_.push_back(static_cast<std::uint8_t>(v)); }
  void U16(std::uint16_t v) {
    out_.push_back(static_cast<std::uint8_t>(v & 0xff));
    out_.push_back(static_cast<std::uint8_t>(v >> 8));
  }
  void I32(std::int32_t v) { Bits(static_cast<std::uint32_t>(v)); }
  void F32(float v) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &v, 4);
    Bits(bits);
  }
  // A fixed-size, NUL-padded text field that always keeps a terminating NUL.
  void Text(const std::string& s, std::size_t size) {
    if (s.size() >= size) throw std::invalid_argument("text too long for its field: " + s);
    out_.insert(out_.end(), s.begin(), s.end());
    out_.insert(out_.end(), size - s.size(), 0);
  }

 private:
  void Bits(std::uint32_t bits) {
    for (int i = 0; i < 4; ++i) out_.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
  }
  std::vector<std::uint8_t>& out_;
};

void Check(bool ok, const char* what) {
  if (!ok) throw std::invalid_argument(what);
}

}  // namespace

std::vector<std::uint8_t> EncodeMs3d(const Ms3dModelData& m) {
  Check(m.vertices.size() <= 65535, "too many vertices");
  Check(m.triangles.size() <= 65535, "too many triangles");
  Check(m.groups.size() <= 255, "too many groups");
  Check(m.materials.size() <= 127, "too many materials");
  for (const Ms3dTriangle& t : m.triangles) {
    for (auto i : t.vertexIndices) Check(i < m.vertices.size(), "vertex index out of range");
    Check(t.group < m.groups.size(), "triangle in a missing group");
  }
  for (const Ms3dGroup& g : m.groups) {
    Check(g.triangles.size() <= 65535, "group too large");
    for (auto i : g.triangles) Check(i < m.triangles.size(), "triangle index out of range");
    Check(g.material < static_cast<int>(m.materials.size()), "material index out of range");
  }

  std::vector<std::uint8_t> bytes;
  Writer w(bytes);
  for (char c : std::string("MS3D000000")) w.U8(static_cast<std::uint8_t>(c));
  w.I32(4);

  w.U16(static_cast<std::uint16_t>(m.vertices.size()));
  for (const Ms3dVertex& v : m.vertices) {
    w.U8(0);  // flags
    for (float c : v.position) w.F32(c);
    w.I8(v.boneIndex);
    w.U8(0);  // reference count, unused
  }

  w.U16(static_cast<std::uint16_t>(m.triangles.size()));
  for (const Ms3dTriangle& t : m.triangles) {
    w.U16(0);  // flags
    for (auto i : t.vertexIndices) w.U16(i);
    for (const auto& n : t.normals)
      for (float c : n) w.F32(c);
    for (float s : t.s) w.F32(s);
    for (float tt : t.t) w.F32(tt);
    w.U8(1);  // smoothing group
    w.U8(t.group);
  }

  w.U16(static_cast<std::uint16_t>(m.groups.size()));
  for (const Ms3dGroup& g : m.groups) {
    w.U8(0);
    w.Text(g.name, 32);
    w.U16(static_cast<std::uint16_t>(g.triangles.size()));
    for (auto i : g.triangles) w.U16(i);
    w.I8(g.material);
  }

  w.U16(static_cast<std::uint16_t>(m.materials.size()));
  for (const Ms3dMaterial& mat : m.materials) {
    w.Text(mat.name, 32);
    for (const auto* c : {&mat.ambient, &mat.diffuse, &mat.specular, &mat.emissive})
      for (float v : *c) w.F32(v);
    w.F32(mat.shininess);
    w.F32(mat.transparency);
    w.I8(0);  // mode
    w.Text(mat.texture, 128);
    w.Text("", 128);  // alpha map
  }

  // Animation header: frames per second, current time, frame count, and no joints.
  w.F32(24.0f);
  w.F32(0.0f);
  w.I32(1);
  w.U16(0);
  return bytes;
}
