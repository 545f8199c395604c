#include <array>
#include <cstring>
#include <fstream>

#include "render/sample_files.h"

void ByteWriter::F32(float v) {
  std::uint32_t bits;
  std::memcpy(&bits, &v, 4);
  U32(bits);
}

void ByteWriter::Text(const std::string& text, std::size_t fieldSize) {
  for (std::size_t i = 0; i < fieldSize; ++i) U8(i < text.size() ? static_cast<unsigned char>(text[i]) : 0);
}

void ByteWriter::PatchI32(std::size_t at, std::int32_t v) {
  const std::uint32_t u = static_cast<std::uint32_t>(v);
  for (int i = 0; i < 4; ++i) bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(u >> (8 * i));
}

Bytes WriteBhm(const SampleBhm& model) {
  ByteWriter w;
  const int tagsPerFrame = model.tags.empty() ? 0 : static_cast<int>(model.tags[0].size());
  w.Text("IDP3", 4);
  w.I32(15);
  w.Text("sample", 68);
  w.I32(model.frames);
  w.I32(tagsPerFrame);
  w.I32(static_cast<int>(model.meshes.size()));
  w.I32(0);
  w.Zeros(16);  // offsets and file size: the reader does not use them
  for (int f = 0; f < model.frames; ++f) w.Zeros(56);
  for (const auto& frameTags : model.tags) {
    for (const SampleTag& tag : frameTags) {
      w.Text(tag.name, 64);
      for (float v : tag.origin) w.F32(v);
      for (float v : tag.axis) w.F32(v);
    }
  }
  for (const SampleMesh& mesh : model.meshes) {
    const int vertices = mesh.frames.empty() ? 0 : static_cast<int>(mesh.frames[0].size());
    const int triangleOffset = 108 + mesh.skins * 68;
    const int texCoordOffset = triangleOffset + static_cast<int>(mesh.triangles.size()) * 12;
    const int vertexOffset = texCoordOffset + vertices * 8;
    const int size = vertexOffset + static_cast<int>(mesh.frames.size()) * vertices * 8;
    w.Text("IDP3", 4);
    w.Text(mesh.name, 68);
    w.I32(static_cast<int>(mesh.frames.size()));
    w.I32(mesh.skins);
    w.I32(vertices);
    w.I32(static_cast<int>(mesh.triangles.size()));
    w.I32(triangleOffset);
    w.I32(108);
    w.I32(texCoordOffset);
    w.I32(vertexOffset);
    w.I32(size);
    for (int s = 0; s < mesh.skins; ++s) w.Text("skin", 68);
    for (const auto& tri : mesh.triangles) {
      for (int i : tri) w.I32(i);
    }
    for (int v = 0; v < vertices; ++v) {
      const std::array<float, 2> st = v < static_cast<int>(mesh.texCoords.size()) ? mesh.texCoords[static_cast<std::size_t>(v)]
                                                                                   : std::array<float, 2>{0, 0};
      w.F32(st[0]);
      w.F32(st[1]);
    }
    for (const auto& frame : mesh.frames) {
      for (const SampleVertex& v : frame) {
        w.I16(v.x), w.I16(v.y), w.I16(v.z);
        w.U8(v.a), w.U8(v.b);
      }
    }
  }
  return w.bytes;
}

SampleBhm StripModel(int frames, int triangles) {
  SampleBhm model;
  model.frames = frames;
  SampleMesh mesh;
  const int vertices = triangles + 2;
  for (int f = 0; f < frames; ++f) {
    std::vector<SampleVertex> frame;
    for (int v = 0; v < vertices; ++v) {
      frame.push_back({(v / 2) * 96 + f * 10, (v % 2) * 960, 0, 0, 0});
    }
    mesh.frames.push_back(frame);
    SampleTag tag;
    tag.name = "tag_torso";
    tag.origin[1] = 1.0f + 0.01f * static_cast<float>(f);
    model.tags.push_back({tag});
  }
  for (int t = 0; t < triangles; ++t) {
    mesh.triangles.push_back(t % 2 == 0 ? std::array<int, 3>{t, t + 2, t + 1} : std::array<int, 3>{t, t + 1, t + 2});
  }
  for (int v = 0; v < vertices; ++v) {
    mesh.texCoords.push_back({static_cast<float>(v / 2) / static_cast<float>(vertices), -static_cast<float>(v % 2)});
  }
  model.meshes.push_back(mesh);
  return model;
}

Bytes WriteMs3d(const SampleMs3d& model) {
  ByteWriter w;
  w.Text(model.identifier, 10);
  w.I32(4);
  w.U16(static_cast<unsigned>(model.vertices.size()));
  for (const auto& v : model.vertices) {
    w.U8(0);
    for (float c : v) w.F32(c);
    w.I8(-1);
    w.U8(0);
  }
  w.U16(static_cast<unsigned>(model.triangles.size()));
  for (const auto& tri : model.triangles) {
    w.U16(0);
    for (int v : tri.v) w.U16(static_cast<unsigned>(v));
    for (int k = 0; k < 3; ++k) w.F32(0), w.F32(1), w.F32(0);
    for (float s : tri.s) w.F32(s);
    for (float t : tri.t) w.F32(t);
    w.U8(1), w.U8(0);
  }
  w.U16(static_cast<unsigned>(model.groups.size()));
  for (const auto& group : model.groups) {
    w.U8(0);
    w.Text("group", 32);
    w.U16(static_cast<unsigned>(group.triangles.size()));
    for (int t : group.triangles) w.U16(static_cast<unsigned>(t));
    w.I8(group.material);
  }
  w.U16(static_cast<unsigned>(model.materials.size()));
  for (const auto& m : model.materials) {
    w.Text("material", 32);
    for (int i = 0; i < 4; ++i) w.F32(0.2f);
    for (float c : m.diffuse) w.F32(c);
    for (int i = 0; i < 4; ++i) w.F32(0.0f);
    for (int i = 0; i < 4; ++i) w.F32(0.0f);
    w.F32(8.0f);
    w.F32(m.transparency);
    w.U8(0);
    w.Text(m.texture, 128);
    w.Text("", 128);
  }
  w.I32(0);  // what follows the materials (animation data) is not read
  return w.bytes;
}

SampleMs3d GridMs3d(int cells) {
  SampleMs3d model;
  for (int z = 0; z <= cells; ++z) {
    for (int x = 0; x <= cells; ++x) model.vertices.push_back({float(x), 0.0f, float(z)});
  }
  SampleMs3dGroup group;
  group.material = 0;
  auto index = [cells](int x, int z) { return z * (cells + 1) + x; };
  for (int z = 0; z < cells; ++z) {
    for (int x = 0; x < cells; ++x) {
      SampleMs3d::Triangle a, b;
      a.v[0] = index(x, z), a.v[1] = index(x, z + 1), a.v[2] = index(x + 1, z);
      b.v[0] = index(x + 1, z), b.v[1] = index(x, z + 1), b.v[2] = index(x + 1, z + 1);
      group.triangles.push_back(static_cast<int>(model.triangles.size()));
      model.triangles.push_back(a);
      group.triangles.push_back(static_cast<int>(model.triangles.size()));
      model.triangles.push_back(b);
    }
  }
  model.groups.push_back(group);
  model.materials.push_back({});
  return model;
}

Bytes WriteTga(int width, int height, int bitsPerPixel, const Bytes& pixels) {
  ByteWriter w;
  for (unsigned b : {0u, 0u, 2u, 0u, 0u, 0u, 0u, 0u, 0u, 0u, 0u, 0u}) w.U8(b);
  w.U16(static_cast<unsigned>(width));
  w.U16(static_cast<unsigned>(height));
  w.U8(static_cast<unsigned>(bitsPerPixel));
  w.U8(bitsPerPixel == 32 ? 8 : 0);
  w.bytes.insert(w.bytes.end(), pixels.begin(), pixels.end());
  return w.bytes;
}

Bytes WriteBmp24(int width, int height, const Bytes& rgb) {
  const int stride = (width * 3 + 3) / 4 * 4;
  ByteWriter w;
  w.Text("BM", 2);
  w.U32(static_cast<std::uint32_t>(54 + stride * height));
  w.U32(0);
  w.U32(54);
  w.U32(40);
  w.I32(width);
  w.I32(height);
  w.U16(1);
  w.U16(24);
  w.U32(0);
  w.U32(static_cast<std::uint32_t>(stride * height));
  w.I32(2835), w.I32(2835);
  w.U32(0), w.U32(0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::size_t i = static_cast<std::size_t>((y * width + x) * 3);
      w.U8(rgb[i + 2]), w.U8(rgb[i + 1]), w.U8(rgb[i]);
    }
    w.Zeros(static_cast<std::size_t>(stride - width * 3));
  }
  return w.bytes;
}

std::string SampleAnimationTable() {
  return "// animation table\n"
         "sex m\n"
         "0 1 0 20 // LEGS_STAND\n"
         "1 4 4 20 // LEGS_RUN\n"
         "5 4 4 20 // LEGS_RUNB\n"
         "9 3 0 20 // LEGS_LEFTHEAD\n"
         "12 3 0 20 // LEGS_RIGHTHEAD\n"
         "15 3 0 20 // LEGS_LEFTTORS\n"
         "18 3 0 20 // LEGS_RIGHTTORS\n"
         "21 3 0 20 // LEGS_LEFTBOK\n"
         "24 3 0 20 // LEGS_RIGHTBOK\n"
         "27 2 0 15 // LEGS_PAIN\n"
         "29 3 0 10 // LEGS_DEATH\n"
         "32 2 2 20 // LEGS_BLOCK\n"
         "34 4 4 10 // LEGS_WIN\n";
}

bool WriteFile(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}
