#include "fighters/bhm_file.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>

namespace {

constexpr int HeaderSize = 108;
constexpr int FrameRecordSize = 56;
constexpr int TagRecordSize = 112;
constexpr int MeshHeaderSize = 108;
constexpr int SkinRecordSize = 68;
constexpr double CoordinateScale = 960.0;

class ByteWriter {
 public:
  explicit ByteWriter(std::vector<std::uint8_t>& out) : out_(out) {}
  void I32(std::int32_t v) { Raw(&v, 4); }
  void I16(std::int16_t v) { Raw(&v, 2); }
  void U8(std::uint8_t v) { out_.push_back(v); }
  void F32(double v) {
    const float f = static_cast<float>(v);
    Raw(&f, 4);
  }
  // Fixed-size text field, NUL-padded and always NUL-terminated.
  void Text(const std::string& s, std::size_t size) {
    const std::size_t n = std::min(s.size(), size - 1);
    out_.insert(out_.end(), s.begin(), s.begin() + static_cast<std::ptrdiff_t>(n));
    out_.insert(out_.end(), size - n, 0);
  }
  void Chars(const char* s, std::size_t n) { out_.insert(out_.end(), s, s + n); }
  void PatchI32(std::size_t at, std::int32_t v) {
    const auto bits = static_cast<std::uint32_t>(v);
    for (std::size_t i = 0; i < 4; ++i) out_[at + i] = static_cast<std::uint8_t>(bits >> (8 * i));
  }
  std::size_t Size() const { return out_.size(); }

 private:
  // Little-endian regardless of the host.
  void Raw(const void* p, int n) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, p, static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) out_.push_back(static_cast<std::uint8_t>((bits >> (8 * i)) & 0xff));
  }
  std::vector<std::uint8_t>& out_;
};

void CheckModel(const BhmModel& model) {
  if (model.frameCount < 1) throw std::invalid_argument("model without frames");
  if (static_cast<int>(model.tags.size()) != model.frameCount)
    throw std::invalid_argument("tag table does not cover every frame");
  for (const auto& frameTags : model.tags)
    if (frameTags.size() != model.tagNames.size())
      throw std::invalid_argument("frame with a different number of tags");
  for (const BhmMesh& mesh : model.meshes) {
    const std::size_t v = mesh.texCoords.size();
    if (static_cast<int>(mesh.positions.size()) != model.frameCount ||
        mesh.normals.size() != mesh.positions.size())
      throw std::invalid_argument("mesh '" + mesh.name + "' has the wrong number of frames");
    for (std::size_t f = 0; f < mesh.positions.size(); ++f)
      if (mesh.positions[f].size() != v || mesh.normals[f].size() != v)
        throw std::invalid_argument("mesh '" + mesh.name + "' frame of the wrong size");
    for (const auto& tri : mesh.triangles)
      for (int i : tri)
        if (i < 0 || static_cast<std::size_t>(i) >= v)
          throw std::invalid_argument("mesh '" + mesh.name + "' vertex index out of range");
  }
}

struct Bounds {
  Vec3 lo{1e30, 1e30, 1e30}, hi{-1e30, -1e30, -1e30};
  void Add(Vec3 p) {
    lo = {std::min(lo.x, p.x), std::min(lo.y, p.y), std::min(lo.z, p.z)};
    hi = {std::max(hi.x, p.x), std::max(hi.y, p.y), std::max(hi.z, p.z)};
  }
};

}  // namespace

std::array<std::uint8_t, 2> EncodeNormal(Vec3 normal) {
  const Vec3 n = Normalized(normal);
  const double step = 2.0 * Pi / 255.0;
  const double alpha = std::acos(std::clamp(n.z, -1.0, 1.0));
  double beta = std::atan2(n.y, n.x);
  if (beta < 0) beta += 2.0 * Pi;
  const int a = static_cast<int>(std::lround(alpha / step));
  const int b = static_cast<int>(std::lround(beta / step)) % 255;
  return {static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b)};
}

std::int16_t EncodeCoordinate(double value) {
  const double scaled = std::round(value * CoordinateScale);
  return static_cast<std::int16_t>(std::clamp(scaled, -32768.0, 32767.0));
}

std::vector<std::uint8_t> EncodeBhm(const BhmModel& model) {
  CheckModel(model);
  const int frames = model.frameCount;
  const int tagsPerFrame = static_cast<int>(model.tagNames.size());
  std::vector<std::uint8_t> bytes;
  ByteWriter w(bytes);

  w.Chars("BHM1", 4);  // identifier and version: not checked by the game
  w.I32(1);
  w.Text(model.name, 64);
  w.I32(0);  // flags
  w.I32(frames);
  w.I32(tagsPerFrame);
  w.I32(static_cast<std::int32_t>(model.meshes.size()));
  w.I32(0);  // skins of the model itself
  const std::int32_t frameOffset = HeaderSize;
  const std::int32_t tagOffset = frameOffset + frames * FrameRecordSize;
  const std::int32_t meshOffset = tagOffset + frames * tagsPerFrame * TagRecordSize;
  w.I32(frameOffset);
  w.I32(tagOffset);
  w.I32(meshOffset);
  const std::size_t fileSizeAt = w.Size();
  w.I32(0);

  for (int f = 0; f < frames; ++f) {
    Bounds b;
    for (const BhmMesh& mesh : model.meshes)
      for (const Vec3& p : mesh.positions[f]) b.Add(p);
    if (model.meshes.empty()) b.Add({0, 0, 0});
    const Vec3 centre = (b.lo + b.hi) * 0.5;
    for (double v : {b.lo.x, b.lo.y, b.lo.z, b.hi.x, b.hi.y, b.hi.z}) w.F32(v);
    for (double v : {0.0, 0.0, 0.0}) w.F32(v);
    w.F32(Length(b.hi - centre));
    w.Text("frame" + std::to_string(f), 16);
  }

  for (int f = 0; f < frames; ++f)
    for (int t = 0; t < tagsPerFrame; ++t) {
      const BhmTag& tag = model.tags[f][t];
      w.Text(model.tagNames[t], 64);
      w.F32(tag.origin.x);
      w.F32(tag.origin.y);
      w.F32(tag.origin.z);
      const Mat3& m = tag.axes;
      // Row by row: row r holds the r-th components of the three axis images.
      for (double v : {m.cx.x, m.cy.x, m.cz.x, m.cx.y, m.cy.y, m.cz.y, m.cx.z, m.cy.z, m.cz.z})
        w.F32(v);
    }

  for (const BhmMesh& mesh : model.meshes) {
    const auto vertexCount = static_cast<std::int32_t>(mesh.texCoords.size());
    const auto triangleCount = static_cast<std::int32_t>(mesh.triangles.size());
    const std::int32_t skinCount = 1;
    const std::int32_t triangleAt = MeshHeaderSize + skinCount * SkinRecordSize;
    const std::int32_t texCoordAt = triangleAt + triangleCount * 12;
    const std::int32_t vertexAt = texCoordAt + vertexCount * 8;
    const std::int32_t meshSize = vertexAt + frames * vertexCount * 8;
    w.Chars("BHM1", 4);
    w.Text(mesh.name, 64);
    w.I32(0);  // flags
    w.I32(frames);
    w.I32(skinCount);
    w.I32(vertexCount);
    w.I32(triangleCount);
    w.I32(triangleAt);
    w.I32(MeshHeaderSize);  // the skins follow the header
    w.I32(texCoordAt);
    w.I32(vertexAt);
    w.I32(meshSize);
    w.Text(mesh.skin, 64);
    w.I32(0);
    for (const auto& tri : mesh.triangles)
      for (int i : tri) w.I32(i);
    for (const auto& st : mesh.texCoords) {
      w.F32(st[0]);
      w.F32(st[1]);
    }
    for (int f = 0; f < frames; ++f)
      for (std::int32_t v = 0; v < vertexCount; ++v) {
        const Vec3 p = mesh.positions[f][v];
        w.I16(EncodeCoordinate(p.x));
        w.I16(EncodeCoordinate(p.y));
        w.I16(EncodeCoordinate(p.z));
        const auto n = EncodeNormal(mesh.normals[f][v]);
        w.U8(n[0]);
        w.U8(n[1]);
      }
  }
  w.PatchI32(fileSizeAt, static_cast<std::int32_t>(bytes.size()));
  return bytes;
}
