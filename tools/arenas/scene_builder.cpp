#include "arenas/scene_builder.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

std::array<float, 3> F3(Vec3 v) {
  return {static_cast<float>(v.x), static_cast<float>(v.y), static_cast<float>(v.z)};
}

bool SameLook(const SurfaceLook& a, const SurfaceLook& b) {
  return a.texture == b.texture && a.tile == b.tile && a.emissive == b.emissive &&
         a.specular == b.specular && a.shininess == b.shininess && a.brightness == b.brightness;
}

}  // namespace

int SceneBuilder::Material(const SurfaceLook& look) {
  for (std::size_t i = 0; i < looks_.size(); ++i)
    if (SameLook(looks_[i], look)) return static_cast<int>(i);
  looks_.push_back(look);
  const auto b = static_cast<float>(look.brightness);
  const auto e = static_cast<float>(look.emissive);
  const auto s = static_cast<float>(look.specular);
  Ms3dMaterial m;
  m.name = "m" + std::to_string(looks_.size() - 1);
  m.ambient = {1.3f * b, 1.3f * b, 1.3f * b, 1};
  m.diffuse = {b, b, b, 1};
  m.specular = {s, s, s, 1};
  m.emissive = {e, e, e, 1};
  m.shininess = static_cast<float>(look.shininess);
  m.transparency = 1.0f;
  if (!look.texture.empty()) m.texture = folder_ + look.texture;
  model_.materials.push_back(m);
  return static_cast<int>(looks_.size() - 1);
}

void SceneBuilder::Triangle(int material, const std::array<Vec3, 3>& p,
                            const std::array<Vec3, 3>& n,
                            const std::array<std::array<double, 2>, 3>& st) {
  Ms3dTriangle t;
  for (int k = 0; k < 3; ++k) {
    if (model_.vertices.size() >= 65535) throw std::runtime_error("arena mesh too large");
    t.vertexIndices[k] = static_cast<std::uint16_t>(model_.vertices.size());
    model_.vertices.push_back({F3(p[k]), -1});
    t.normals[k] = F3(Normalized(n[k]));
    t.s[k] = static_cast<float>(st[k][0]);
    t.t[k] = static_cast<float>(st[k][1]);
  }
  model_.triangles.push_back(t);
  triangleMaterial_.push_back(material);
}

void SceneBuilder::Quad(int material, const std::array<Vec3, 4>& p, const std::array<Vec3, 4>& n,
                        const std::array<std::array<double, 2>, 4>& st) {
  Triangle(material, {p[0], p[1], p[2]}, {n[0], n[1], n[2]}, {st[0], st[1], st[2]});
  Triangle(material, {p[0], p[2], p[3]}, {n[0], n[2], n[3]}, {st[0], st[2], st[3]});
}

template <typename TextureAt>
void SceneBuilder::Grid(int material, Vec3 o, Vec3 u, Vec3 v, double cell, TextureAt st) {
  auto cells = [cell](Vec3 side) {
    return cell > 0 ? std::max(1, static_cast<int>(std::ceil(Length(side) / cell - 1e-9))) : 1;
  };
  const int nu = cells(u), nv = cells(v);
  const Vec3 n = Normalized(Cross(u, v));
  // Shared corners come from the same fractions, so neighbouring cells meet exactly.
  auto corner = [&](int i, int j) { return o + u * (static_cast<double>(i) / nu) + v * (static_cast<double>(j) / nv); };
  auto texture = [&](int i, int j) { return st(static_cast<double>(i) / nu, static_cast<double>(j) / nv); };
  for (int j = 0; j < nv; ++j)
    for (int i = 0; i < nu; ++i) {
      std::array<Vec3, 4> p = {corner(i, j), corner(i + 1, j), corner(i + 1, j + 1), corner(i, j + 1)};
      std::array<std::array<double, 2>, 4> t = {texture(i, j), texture(i + 1, j), texture(i + 1, j + 1),
                                                texture(i, j + 1)};
      // Alternate diagonals, so the light blended across the cells has no grain along one of them.
      if ((i + j) % 2 == 1) {
        std::rotate(p.begin(), p.begin() + 1, p.end());
        std::rotate(t.begin(), t.begin() + 1, t.end());
      }
      Quad(material, p, {n, n, n, n}, t);
    }
}

void SceneBuilder::Rect(int material, Vec3 o, Vec3 u, Vec3 v, double cell) {
  const Vec3 uh = Normalized(u), vh = Normalized(v);
  const double tile = looks_[material].tile;
  Grid(material, o, u, v, cell, [&](double a, double b) {
    const Vec3 p = o + u * a + v * b;
    return std::array<double, 2>{Dot(p, uh) / tile, -Dot(p, vh) / tile};
  });
}

void SceneBuilder::Picture(int material, Vec3 o, Vec3 u, Vec3 v) {
  // Slightly inside the picture's edges so that filtering does not wrap the opposite edge in.
  const double lo = 0.004, hi = 0.996;
  Grid(material, o, u, v, cell_, [&](double a, double b) {
    return std::array<double, 2>{lo + (hi - lo) * a, hi - (hi - lo) * b};
  });
}

void SceneBuilder::Box(int material, Vec3 lo, Vec3 hi, bool withBottom) {
  const double dx = hi.x - lo.x, dy = hi.y - lo.y, dz = hi.z - lo.z;
  Rect(material, {lo.x, lo.y, hi.z}, {dx, 0, 0}, {0, dy, 0});
  Rect(material, {hi.x, lo.y, lo.z}, {-dx, 0, 0}, {0, dy, 0});
  Rect(material, {hi.x, lo.y, hi.z}, {0, 0, -dz}, {0, dy, 0});
  Rect(material, {lo.x, lo.y, lo.z}, {0, 0, dz}, {0, dy, 0});
  Rect(material, {lo.x, hi.y, hi.z}, {dx, 0, 0}, {0, 0, -dz});
  if (withBottom) Rect(material, {lo.x, lo.y, lo.z}, {dx, 0, 0}, {0, 0, dz});
}

void SceneBuilder::Cylinder(int material, Vec3 base, double radius, double height, int segments) {
  const double tile = looks_[material].tile;
  const Vec3 top = base + Vec3{0, height, 0};
  for (int i = 0; i < segments; ++i) {
    const double a0 = 2 * Pi * i / segments, a1 = 2 * Pi * (i + 1) / segments;
    const Vec3 r0{std::sin(a0), 0, std::cos(a0)}, r1{std::sin(a1), 0, std::cos(a1)};
    const double s0 = radius * a0 / tile, s1 = radius * a1 / tile;
    Quad(material, {base + r0 * radius, base + r1 * radius, top + r1 * radius, top + r0 * radius},
         {r0, r1, r1, r0}, {{{s0, 0}, {s1, 0}, {s1, -height / tile}, {s0, -height / tile}}});
    const Vec3 up{0, 1, 0};
    Triangle(material, {top, top + r0 * radius, top + r1 * radius}, {up, up, up},
             {{{0.5, 0.5}, {0.5 + 0.5 * r0.x, 0.5 + 0.5 * r0.z}, {0.5 + 0.5 * r1.x, 0.5 + 0.5 * r1.z}}});
  }
}

void SceneBuilder::Rod(int material, Vec3 from, Vec3 to, double radius, int segments) {
  const Vec3 axis = to - from;
  const Vec3 w = Normalized(axis);
  const Vec3 helper = std::abs(w.y) < 0.9 ? Vec3{0, 1, 0} : Vec3{1, 0, 0};
  const Vec3 a = Normalized(Cross(helper, w)), b = Cross(w, a);
  const double length = Length(axis), tile = looks_[material].tile;
  for (int i = 0; i < segments; ++i) {
    const double a0 = 2 * Pi * i / segments, a1 = 2 * Pi * (i + 1) / segments;
    const Vec3 r0 = a * std::cos(a0) + b * std::sin(a0), r1 = a * std::cos(a1) + b * std::sin(a1);
    // (a, b, w) is right-handed, so going round from r0 to r1 runs to the right seen from outside.
    Quad(material, {from + r0 * radius, from + r1 * radius, to + r1 * radius, to + r0 * radius},
         {r0, r1, r1, r0},
         {{{radius * a0 / tile, 0}, {radius * a1 / tile, 0}, {radius * a1 / tile, -length / tile},
           {radius * a0 / tile, -length / tile}}});
  }
}

void SceneBuilder::Blob(int material, Vec3 c, Vec3 r, int rings, int segments) {
  auto point = [&](int i, int j) {
    const double theta = Pi * i / rings, phi = 2 * Pi * j / segments;
    return Vec3{std::sin(theta) * std::sin(phi), std::cos(theta), std::sin(theta) * std::cos(phi)};
  };
  for (int i = 0; i < rings; ++i)
    for (int j = 0; j < segments; ++j) {
      const Vec3 d00 = point(i, j), d01 = point(i, j + 1), d10 = point(i + 1, j), d11 = point(i + 1, j + 1);
      auto at = [&](Vec3 d) { return c + Vec3{d.x * r.x, d.y * r.y, d.z * r.z}; };
      auto nrm = [&](Vec3 d) { return Normalized({d.x / r.x, d.y / r.y, d.z / r.z}); };
      auto st = [&](int ii, int jj) {
        return std::array<double, 2>{static_cast<double>(jj) / segments * 2, static_cast<double>(ii) / rings};
      };
      // Seen from outside: j grows to the right, i downward.
      if (i > 0) Triangle(material, {at(d00), at(d10), at(d01)}, {nrm(d00), nrm(d10), nrm(d01)}, {st(i, j), st(i + 1, j), st(i, j + 1)});
      if (i + 1 < rings) Triangle(material, {at(d01), at(d10), at(d11)}, {nrm(d01), nrm(d10), nrm(d11)}, {st(i, j + 1), st(i + 1, j), st(i + 1, j + 1)});
    }
}

void SceneBuilder::Cone(int material, Vec3 top, double r0, double r1, double height, bool twoSided,
                        int segments) {
  const Vec3 bottom = top - Vec3{0, height, 0};
  const double slope = (r1 - r0) / height;
  for (int i = 0; i < segments; ++i) {
    const double a0 = 2 * Pi * i / segments, a1 = 2 * Pi * (i + 1) / segments;
    const Vec3 d0{std::sin(a0), 0, std::cos(a0)}, d1{std::sin(a1), 0, std::cos(a1)};
    const Vec3 n0 = Normalized(d0 + Vec3{0, slope, 0}), n1 = Normalized(d1 + Vec3{0, slope, 0});
    const std::array<Vec3, 4> p = {bottom + d0 * r1, bottom + d1 * r1, top + d1 * r0, top + d0 * r0};
    const std::array<std::array<double, 2>, 4> st = {{{a0 / Pi, 1}, {a1 / Pi, 1}, {a1 / Pi, 0}, {a0 / Pi, 0}}};
    Quad(material, p, {n0, n1, n1, n0}, st);
    if (twoSided)
      Quad(material, {p[1], p[0], p[3], p[2]}, {-n1, -n0, -n0, -n1}, {st[1], st[0], st[3], st[2]});
  }
}

Ms3dModelData SceneBuilder::Build() const {
  Ms3dModelData out = model_;
  // The room's shell is made first and its props later; drawing the props first lets the depth
  // test turn away the floor and walls behind them before they are textured.
  for (std::size_t m = looks_.size(); m-- > 0;) {
    Ms3dGroup g;
    g.name = "g" + std::to_string(m);
    g.material = static_cast<std::int8_t>(m);
    for (std::size_t t = 0; t < triangleMaterial_.size(); ++t)
      if (triangleMaterial_[t] == static_cast<int>(m)) {
        g.triangles.push_back(static_cast<std::uint16_t>(t));
        out.triangles[t].group = static_cast<std::uint8_t>(out.groups.size());
      }
    if (!g.triangles.empty()) out.groups.push_back(g);
  }
  return out;
}

std::vector<std::string> SceneBuilder::Textures() const {
  std::vector<std::string> names;
  for (const SurfaceLook& look : looks_)
    if (!look.texture.empty() &&
        std::find(names.begin(), names.end(), look.texture) == names.end())
      names.push_back(look.texture);
  return names;
}
