#include "arenas/arena_scenes.h"

#include <cmath>
#include <stdexcept>

#include "arenas/scene_builder.h"

namespace {

constexpr double F = ArenaFloorY;
constexpr double W = ArenaWallX;
constexpr double Front = 16.5;  // behind the camera's farthest position (about 14)
constexpr double Overlap = 0.05;
// The grid the rooms' surfaces are cut into: fine enough for a lamp's pool of light on the floor
// and walls; the sky far away takes the lamps' light only faintly and keeps large cells.
constexpr double LitCell = 2.0;
constexpr double SkyCell = 8.0;

SurfaceLook Look(const std::string& texture, double tile = 2.0, double emissive = 0.0) {
  SurfaceLook l;
  l.texture = texture;
  l.tile = tile;
  l.emissive = emissive;
  return l;
}

SurfaceLook Shiny(const std::string& texture, double tile = 2.0) {
  SurfaceLook l = Look(texture, tile);
  l.specular = 0.6;
  l.shininess = 40;
  return l;
}

struct Scene {
  explicit Scene(int number) : map(ArenaFolder(number), LitCell) {}
  SceneBuilder map;
  std::vector<Vec3> lights;

  int M(const SurfaceLook& look) { return map.Material(look); }
  // Horizontal rectangles.
  void Floor(const SurfaceLook& look, double x0, double x1, double z0, double z1, double y = F) {
    map.Rect(M(look), {x0, y, z1}, {x1 - x0, 0, 0}, {0, 0, z0 - z1});
  }
  void Ceiling(const SurfaceLook& look, double x0, double x1, double z0, double z1, double y,
               double cell = LitCell) {
    map.Rect(M(look), {x0, y, z0}, {x1 - x0, 0, 0}, {0, 0, z1 - z0}, cell);
  }
  // A wall across the view at depth z, seen from +z (facing = +1) or from -z (facing = -1).
  // Walls are widened a little past their edges so corners overlap instead of leaving cracks.
  void WallZ(const SurfaceLook& look, double z, int facing, double x0, double x1, double y0, double y1,
             double cell = LitCell) {
    x0 -= Overlap, x1 += Overlap, y0 -= Overlap, y1 += Overlap;
    if (facing > 0) map.Rect(M(look), {x0, y0, z}, {x1 - x0, 0, 0}, {0, y1 - y0, 0}, cell);
    else map.Rect(M(look), {x1, y0, z}, {x0 - x1, 0, 0}, {0, y1 - y0, 0}, cell);
  }
  // A wall along the fight line at x, seen from the middle of the room.
  void WallX(const SurfaceLook& look, double x, double z0, double z1, double y0, double y1,
             double cell = LitCell) {
    z0 -= Overlap, z1 += Overlap, y0 -= Overlap, y1 += Overlap;
    if (x < 0) map.Rect(M(look), {x, y0, z1}, {0, 0, z0 - z1}, {0, y1 - y0, 0}, cell);
    else map.Rect(M(look), {x, y0, z0}, {0, 0, z1 - z0}, {0, y1 - y0, 0}, cell);
  }
  // Both side walls at the physics walls' faces.
  void SideWalls(const SurfaceLook& look, double z0, double z1, double y0, double y1, double cell = LitCell) {
    WallX(look, -W, z0, z1, y0, y1, cell);
    WallX(look, W, z0, z1, y0, y1, cell);
  }
  // A picture on a wall along the fight line (x = ±W), seen from the room.
  void PictureOnSideWall(const SurfaceLook& look, double x, double zCentre, double y0, double w, double h) {
    const double inset = x < 0 ? 0.02 : -0.02;
    if (x < 0) map.Picture(M(look), {x + inset, y0, zCentre + w / 2}, {0, 0, -w}, {0, h, 0});
    else map.Picture(M(look), {x + inset, y0, zCentre - w / 2}, {0, 0, w}, {0, h, 0});
  }
  void PictureFacingFront(const SurfaceLook& look, double xCentre, double z, double y0, double w, double h) {
    map.Picture(M(look), {xCentre - w / 2, y0, z}, {w, 0, 0}, {0, h, 0});
  }
  void Light(Vec3 p) { lights.push_back(p); }
  // The outdoor sky: a lid high above and sky walls all round above the given heights.
  void SkyBox(double back, double sideTop, double backTop, double frontTop, const char* texture) {
    const SurfaceLook sky = Look(texture, 24, 0.95);
    const double top = 30;
    Ceiling(sky, -W - 0.01, W + 0.01, back - 0.01, Front + 0.01, top, SkyCell);
    SideWalls(sky, back, Front, sideTop, top, SkyCell);
    WallZ(sky, back, 1, -W, W, backTop, top, SkyCell);
    WallZ(sky, Front, -1, -W, W, frontTop, top, SkyCell);
  }
};

// A wooden bench seen from the front, its seat along x.
void Bench(Scene& s, double x, double z, double length) {
  const int wood = s.M(Look("wood.bmp", 1.5)), metal = s.M(Look("darkmetal.bmp"));
  for (double dx : {-length / 2 + 0.2, length / 2 - 0.3}) {
    s.map.Box(metal, {x + dx, F, z - 0.4}, {x + dx + 0.1, F + 0.85, z + 0.4});
    s.map.Box(metal, {x + dx, F + 0.85, z - 0.55}, {x + dx + 0.1, F + 1.9, z - 0.45});
  }
  s.map.Box(wood, {x - length / 2, F + 0.85, z - 0.45}, {x + length / 2, F + 0.97, z + 0.45});
  s.map.Box(wood, {x - length / 2, F + 1.3, z - 0.6}, {x + length / 2, F + 1.75, z - 0.5});
}

void Tree(Scene& s, double x, double z, double height, double crown) {
  s.map.Cylinder(s.M(Look("bark.bmp", 1.5)), {x, F, z}, 0.28 + 0.02 * height, height, 9);
  const int leaves = s.M(Look("leaves.bmp", 3, 0.12));
  s.map.Blob(leaves, {x, F + height + crown * 0.4, z}, {crown, crown * 0.85, crown});
  s.map.Blob(leaves, {x + crown * 0.5, F + height + crown * 0.1, z + 0.3}, {crown * 0.7, crown * 0.6, crown * 0.7}, 6, 10);
}

// A lamp post at the back of the scene whose arm reaches over the fight line.
void StreetLamp(Scene& s, double x, double postZ, double lightZ, double height) {
  const int metal = s.M(Look("darkmetal.bmp"));
  s.map.Cylinder(metal, {x, F, postZ}, 0.12, height, 8);
  s.map.Rod(metal, {x, F + height - 0.05, postZ}, {x, F + height + 0.1, lightZ}, 0.07, 6);
  s.map.Box(metal, {x - 0.35, F + height - 0.1, lightZ - 0.25}, {x + 0.35, F + height + 0.15, lightZ + 0.25});
  s.map.Box(s.M(Look("bulb.bmp", 1, 1.0)), {x - 0.28, F + height - 0.16, lightZ - 0.18},
            {x + 0.28, F + height - 0.1, lightZ + 0.18}, true);
  s.Light({x, F + height - 0.2, lightZ});
}

void Car(Scene& s, double x, double z, const std::string& paint) {
  const int body = s.M(Shiny(paint, 4)), glass = s.M(Shiny("glass.bmp", 3)), tyre = s.M(Look("darkmetal.bmp"));
  s.map.Box(body, {x - 3.4, F + 0.45, z - 1.3}, {x + 3.4, F + 1.45, z + 1.3});
  s.map.Box(glass, {x - 1.9, F + 1.45, z - 1.15}, {x + 1.5, F + 2.35, z + 1.15});
  s.map.Box(body, {x - 1.8, F + 2.35, z - 1.1}, {x + 1.4, F + 2.45, z + 1.1});
  for (double dx : {-2.2, 2.2})
    for (double dz : {-1.25, 1.25}) s.map.Blob(tyre, {x + dx, F + 0.5, z + dz}, {0.5, 0.5, 0.22}, 6, 12);
}

// 1: the prison cell. Two lamps hang above the fighters; the corridor behind the bars has a third.
void PrisonCell(Scene& s) {
  const double back = -5.5, top = 6.5;
  s.Floor(Look("cellfloor.bmp", 3), -W, W, back, Front);
  s.Ceiling(Look("concrete.bmp", 4), -W, W, -9.5, Front, top);
  for (double x : {-W, W}) {
    s.WallX(Look("paint_green.bmp", 3), x, -9.5, Front, F, F + 2.4);
    s.WallX(Look("paint_white.bmp", 3), x, -9.5, Front, F + 2.4, top);
  }
  s.map.Box(s.M(Look("darkconcrete.bmp")), {-W, F + 2.35, -9.5}, {-W + 0.05, F + 2.45, Front});
  s.map.Box(s.M(Look("darkconcrete.bmp")), {W - 0.05, F + 2.35, -9.5}, {W, F + 2.45, Front});
  s.WallZ(Look("paint_green.bmp", 3), Front, -1, -W, W, F, F + 2.4);
  s.WallZ(Look("paint_white.bmp", 3), Front, -1, -W, W, F + 2.4, top);
  s.PictureOnSideWall(Look("tally.bmp"), -W, -1.5, F + 2.6, 2.4, 2.0);
  s.PictureOnSideWall(Look("barwindow.bmp", 1, 0.6), W, -2.5, F + 4.3, 2.4, 1.8);

  // The barred front of the cell, the corridor behind it.
  const int metal = s.M(Shiny("metal.bmp", 1));
  s.Floor(Look("concrete.bmp", 3), -W, W, -9.5, back);
  s.WallZ(Look("darkconcrete.bmp", 3), -9.5, 1, -W, W, F, top);
  for (double x = -W + 0.4; x < W; x += 0.55) s.map.Rod(metal, {x, F, back}, {x, top, back}, 0.05, 8);
  for (double y : {F + 0.15, F + 2.2, F + 4.6})
    s.map.Box(metal, {-W, y, back - 0.08}, {W, y + 0.14, back + 0.08}, true);
  s.PictureOnSideWall(Look("barwindow.bmp", 1, 0.5), -W, -7.5, F + 3.8, 2.0, 1.5);

  // Bunk bed on the left, toilet and sink by a low wall on the right, a table between.
  const double bedX0 = -8.2, bedX1 = -4.0;
  for (double y : {F + 0.8, F + 2.7}) {
    s.map.Box(metal, {bedX0, y - 0.1, -5.1}, {bedX1, y, -3.4}, true);
    s.map.Box(s.M(Look("mattress.bmp", 1)), {bedX0 + 0.1, y, -5.05}, {bedX1 - 0.1, y + 0.3, -3.45});
    s.map.Box(s.M(Look("blanket.bmp", 1.5)), {bedX0 + 1.6, y + 0.3, -5.07}, {bedX1 - 0.1, y + 0.36, -3.43});
  }
  for (double x : {bedX0, bedX1 - 0.1})
    for (double z : {-5.1, -3.5}) s.map.Box(metal, {x, F, z}, {x + 0.1, F + 3.5, z + 0.1});
  s.map.Box(s.M(Look("concrete.bmp", 2)), {3.6, F, -5.4}, {8.6, F + 2.4, -5.1});
  const int porcelain = s.M(Shiny("porcelain.bmp", 1));
  s.map.Box(porcelain, {4.4, F, -5.1}, {5.3, F + 0.8, -4.3});
  s.map.Cylinder(porcelain, {4.85, F + 0.8, -4.5}, 0.5, 0.12, 12);
  s.map.Box(porcelain, {6.6, F + 1.7, -5.1}, {7.8, F + 2.2, -4.5});
  s.map.Rod(metal, {7.2, F + 2.2, -5.0}, {7.2, F + 2.5, -4.8}, 0.04, 6);
  s.map.Box(s.M(Look("wood.bmp", 1)), {9.2, F + 1.35, -4.9}, {11.4, F + 1.5, -3.7});
  s.map.Box(metal, {9.3, F, -4.8}, {9.4, F + 1.35, -4.7});
  s.map.Box(metal, {11.2, F, -3.9}, {11.3, F + 1.35, -3.8});

  // Cords of the two lamps; the lamps themselves swing, drawn by the game. They hang high enough
  // that their bulbs stay under the top of the view, clear of the fighters' names.
  const int cord = s.M(Look("darkmetal.bmp"));
  for (double x : {-3.5, 3.5}) {
    s.map.Rod(cord, {x, 5.2, 0.5}, {x, top, 0.5}, 0.025, 5);
    s.Light({x, 5.2, 0.5});
  }
  s.Light({0, 4.6, -7.5});
  s.Light({-9, 4.6, -7.5});
  s.Light({9, 4.6, -7.5});
}

// 2: the prison yard after dark. One lamp hangs on a cable above the fighters; floodlights stand behind.
void PrisonYard(Scene& s) {
  const double back = -16;
  s.Floor(Look("asphalt.bmp", 4), -W, W, back, Front);
  const int paint = s.M(Look("white.bmp", 1));
  for (const auto& r : std::vector<std::array<double, 4>>{{-9, 9, -7.1, -6.95}, {-9, 9, 6.95, 7.1},
                                                          {-9.1, -8.95, -7.1, 7.1}, {8.95, 9.1, -7.1, 7.1},
                                                          {-0.07, 0.07, -7.1, 7.1}})
    s.map.Rect(paint, {r[0], F + 0.01, r[3]}, {r[1] - r[0], 0, 0}, {0, 0, r[2] - r[3]});
  s.SideWalls(Look("greybrick.bmp", 2.5), back, Front, F, F + 7);
  s.WallZ(Look("nightfence.bmp", 6, 0.55), back, 1, -W, W, F, F + 8);
  s.WallZ(Look("greybrick.bmp", 2.5), Front, -1, -W, W, F, F + 9);
  s.SkyBox(back, F + 7, F + 8, F + 9, "nightsky.bmp");
  // Razor wire along the wall tops.
  const int wire = s.M(Shiny("metal.bmp", 1));
  for (double x : {-W + 0.2, W - 0.2}) {
    for (double z = back; z < Front; z += 1.6) s.map.Blob(wire, {x, F + 7.25, z}, {0.2, 0.25, 0.8}, 4, 6);
  }
  // Basketball hoop, benches, weights.
  const int metal = s.M(Look("darkmetal.bmp"));
  s.map.Cylinder(metal, {0, F, -13.5}, 0.15, 5.6, 8);
  s.map.Box(s.M(Look("white.bmp", 2)), {-1.3, F + 5.0, -13.3}, {1.3, F + 6.6, -13.15});
  s.map.Rod(s.M(Look("red.bmp", 1)), {-0.5, F + 5.3, -12.7}, {0.5, F + 5.3, -12.7}, 0.04, 6);
  Bench(s, -7, -9, 4);
  Bench(s, 7, -9, 4);
  s.map.Box(metal, {3, F + 0.6, -11.5}, {6, F + 0.8, -10.9});
  s.map.Rod(metal, {2.6, F + 2.2, -11.2}, {6.4, F + 2.2, -11.2}, 0.05, 6);
  for (double x : {2.8, 6.2}) s.map.Rod(metal, {x, F + 1.6, -11.2}, {x, F + 2.6, -11.2}, 0.25, 10);
  // The lamp's cable between two poles, and the floodlight masts.
  for (double x : {-11.9, 11.9}) s.map.Cylinder(metal, {x, F, 0.5}, 0.14, 7.3, 8);
  s.map.Rod(metal, {-11.9, 5.6, 0.5}, {11.9, 5.6, 0.5}, 0.03, 5);
  s.map.Rod(metal, {0, 4.6, 0.5}, {0, 5.6, 0.5}, 0.025, 5);
  s.Light({0, 4.6, 0.5});
  for (double x : {-6.5, 6.5}) {
    s.map.Cylinder(metal, {x, F, -5.5}, 0.16, 9.2, 8);
    s.map.Box(metal, {x - 0.7, F + 9.1, -5.7}, {x + 0.7, F + 9.6, -4.9});
    s.map.Box(s.M(Look("bulb.bmp", 1, 1.0)), {x - 0.6, F + 9.0, -5.6}, {x + 0.6, F + 9.1, -5.0}, true);
    s.Light({x, F + 9.0, -5.3});
  }
}

// 3: the gas station at dusk: a canopy with light panels over the fight, pumps and the lit shop
// behind. The canopy is dull grey metal and its light tubes narrow, so no white fills the top of the view.
void GasStation(Scene& s) {
  const double back = -13;
  s.Floor(Look("asphalt.bmp", 4), -W, W, back, Front);
  const int paint = s.M(Look("yellow.bmp", 1));
  for (double x = -10; x <= 10; x += 5)
    s.map.Rect(paint, {x - 0.08, F + 0.01, -7}, {0.16, 0, 0}, {0, 0, -5});
  s.SideWalls(Look("brick.bmp", 2.5), back, Front, F, F + 3);
  s.WallZ(Look("greybrick.bmp", 2.5), back, 1, -W, W, F, F + 6);
  s.WallZ(Look("brick.bmp", 2.5), Front, -1, -W, W, F, F + 3);
  s.SkyBox(back, F + 3, F + 6, F + 3, "dusksky.bmp");
  s.PictureFacingFront(Look("shop.bmp", 1, 0.35), 0, back + 0.02, F, 9, 5.5);
  s.PictureFacingFront(Look("gas.bmp", 1, 0.6), -8, back + 0.02, F + 3, 3, 2.6);
  s.PictureOnSideWall(Look("poster2.bmp", 1, 0.2), W, -6, F + 0.3, 4, 2.6);
  s.PictureOnSideWall(Look("poster1.bmp", 1, 0.2), -W, -6, F + 0.3, 4, 2.6);

  // Canopy on four pillars with narrow light tubes on its underside.
  const int canopy = s.M(Look("canopy.bmp", 3)), red = s.M(Look("red.bmp", 2));
  const double underside = 5.6;
  s.map.Box(canopy, {-W, underside, -7.5}, {W, underside + 0.6, 9}, true);
  s.map.Box(red, {-W, underside + 0.1, 8.98}, {W, underside + 0.5, 9.05});
  s.map.Box(red, {-W, underside + 0.1, -7.55}, {W, underside + 0.5, -7.48});
  const int pillar = s.M(Look("white.bmp", 2));
  for (double x : {-8.0, 8.0}) s.map.Box(pillar, {x - 0.3, F, -5.3}, {x + 0.3, underside, -4.7});
  const int panel = s.M(Look("panel.bmp", 1, 0.9));
  for (double x : {-10.0, -5.0, 0.0, 5.0, 10.0})
    for (double z : {-5.0, -1.0}) {
      s.map.Rect(panel, {x - 0.15, underside - 0.01, z - 0.8}, {0.3, 0, 0}, {0, 0, 1.6});
      s.Light({x, underside - 0.05, z});
    }
  // Pump islands.
  const int kerb = s.M(Look("kerb.bmp", 2)), pump = s.M(Look("white.bmp", 2));
  for (double x : {-4.0, 4.0}) {
    s.map.Box(kerb, {x - 2.2, F, -5.6}, {x + 2.2, F + 0.3, -4.4});
    s.map.Box(pump, {x - 0.6, F + 0.3, -5.3}, {x + 0.6, F + 2.9, -4.7});
    s.map.Picture(s.M(Look("pump.bmp", 1, 0.15)), {x - 0.55, F + 1.0, -4.69}, {1.1, 0, 0}, {0, 1.8, 0});
    s.map.Rod(s.M(Look("darkmetal.bmp")), {x + 0.6, F + 2.0, -5.0}, {x + 1.0, F + 1.2, -4.4}, 0.05, 6);
  }
  // Oil drums and a tyre stack by the walls.
  for (double x : {-10.8, -10.0}) s.map.Cylinder(s.M(Look("red.bmp", 2)), {x, F, -8.0}, 0.45, 1.6, 10);
  for (int i = 0; i < 4; ++i)
    s.map.Rod(s.M(Look("darkmetal.bmp", 1)), {10.2, F + i * 0.4, -8.5}, {10.2, F + i * 0.4 + 0.38, -8.5}, 0.55, 12);
}

// 4: the park at night: a gravel path between lawns, hedges at the sides, trees, benches, lamp
// posts; black crowns and far lit towers against the night sky.
void Park(Scene& s) {
  const double back = -22;
  s.Floor(Look("grass.bmp", 3), -W, W, back, Front);
  s.Floor(Look("gravel.bmp", 3), -W, W, -2.2, 2.2, F + 0.01);
  const int kerb = s.M(Look("kerb.bmp", 2));
  for (double z : {-2.3, 2.2}) s.map.Box(kerb, {-W, F, z}, {W, F + 0.06, z + 0.1});
  const SurfaceLook hedge = Look("hedge.bmp", 2.5, 0.2);
  s.SideWalls(hedge, back, Front, F, F + 2.2);
  const int hedgeM = s.M(hedge);
  for (double x : {-W - 1.2, W}) s.map.Rect(hedgeM, {x, F + 2.2, Front}, {1.2, 0, 0}, {0, 0, back - Front});
  s.WallZ(Look("nighttrees.bmp", 16, 0.75), back, 1, -W, W, F, F + 12);
  s.WallZ(Look("nighttrees.bmp", 16, 0.75), Front, -1, -W, W, F, F + 12);
  s.SideWalls(Look("nighttrees.bmp", 16, 0.75), back, Front, F + 2.2, F + 12);
  s.SkyBox(back, F + 12, F + 12, F + 12, "nightsky.bmp");
  for (const auto& t : std::vector<std::array<double, 4>>{{-9, -8, 4.5, 2.6}, {-3, -12, 5.5, 3.0},
                                                          {4, -9, 4.8, 2.7}, {10, -14, 5.2, 3.2},
                                                          {-11, -17, 5.0, 3.0}, {1, -18, 6.0, 3.4}})
    Tree(s, t[0], t[1], t[2], t[3]);
  Bench(s, -5.5, -4.2, 4);
  Bench(s, 6, -4.2, 4);
  s.map.Cylinder(s.M(Look("darkmetal.bmp")), {9.5, F, -4.0}, 0.4, 1.3, 10);  // litter bin
  // Two lamps lean over the path; a third stands among the trees behind the fighters.
  for (double x : {-5.0, 5.0}) StreetLamp(s, x, -3.2, -0.4, 6.6);
  StreetLamp(s, 0.0, -8.0, -5.5, 6.6);
}

// The street of arenas 5 and 6: asphalt along the fight, a raised pavement behind it.
void Street(Scene& s, double back, double kerbZ) {
  s.Floor(Look("asphalt.bmp", 4), -W, W, kerbZ, Front);
  const int kerb = s.M(Look("kerb.bmp", 1.5));
  s.map.Box(kerb, {-W, F, kerbZ - 0.3}, {W, F + 0.2, kerbZ});
  s.Floor(Look("pavement.bmp", 3), -W, W, back, kerbZ - 0.3, F + 0.2);
}

// 5: the crosswalk at night: a zebra crossing under the fighters, traffic lights, lit shop fronts.
void Crosswalk(Scene& s) {
  const double back = -12;
  Street(s, back, -6.5);
  const int white = s.M(Look("roadpaint.bmp", 1));
  for (double z = -5.8; z < 5.5; z += 1.1)
    s.map.Rect(white, {-2.8, F + 0.01, z + 0.55}, {5.6, 0, 0}, {0, 0, -0.55});
  for (double z : {-6.0, 6.0}) s.map.Rect(white, {-W, F + 0.01, z + 0.12}, {2 * W, 0, 0}, {0, 0, -0.12});
  s.WallZ(Look("nightfacade1.bmp", 8, 0.45), back, 1, -W, W, F + 0.2, F + 8.2);
  s.WallZ(Look("nightbrick.bmp", 3, 0.1), back, 1, -W, W, F + 8.2, F + 14);
  s.SideWalls(Look("nightfacade2.bmp", 8, 0.45), back, Front, F, F + 8);
  s.SideWalls(Look("nightbrick.bmp", 3, 0.1), back, Front, F + 8, F + 12);
  s.WallZ(Look("nightfacade2.bmp", 8, 0.45), Front, -1, -W, W, F, F + 8);
  s.SkyBox(back, F + 12, F + 14, F + 8, "citysky.bmp");
  // Traffic lights either side of the crossing, facing the fighters.
  const int metal = s.M(Look("darkmetal.bmp"));
  for (double x : {-3.4, 3.4}) {
    s.map.Cylinder(metal, {x, F + 0.2, -7.0}, 0.1, 4.2, 8);
    s.map.Box(metal, {x - 0.35, F + 3.2, -7.3}, {x + 0.35, F + 4.9, -6.85});
    s.map.Picture(s.M(Look("traffic.bmp", 1, 0.7)), {x - 0.3, F + 3.25, -6.84}, {0.6, 0, 0}, {0, 1.6, 0});
    s.map.Box(s.M(Look("white.bmp", 1)), {x - 0.15, F + 0.2, -6.8}, {x + 0.15, F + 2.2, -6.6});
  }
  Car(s, 8.5, -4.6, "red.bmp");
  s.map.Cylinder(s.M(Look("darkmetal.bmp")), {-8.5, F + 0.2, -8.0}, 0.45, 1.5, 10);  // litter bin
  for (double x : {-5.0, 5.0}) StreetLamp(s, x, -8.5, -1.0, 7.2);
  StreetLamp(s, 0.0, -9.2, -6.0, 7.2);
}

// 6: the bus stop at night: a shelter with a bench and a timetable, the stop's sign, lit shop fronts.
void BusStop(Scene& s) {
  const double back = -12;
  Street(s, back, -3.2);
  s.map.Rect(s.M(Look("yellow.bmp", 1)), {-7, F + 0.01, -2.6}, {14, 0, 0}, {0, 0, -0.15});
  s.WallZ(Look("nightfacade2.bmp", 8, 0.45), back, 1, -W, W, F + 0.2, F + 8.2);
  s.WallZ(Look("nightbrick.bmp", 3, 0.1), back, 1, -W, W, F + 8.2, F + 13);
  s.SideWalls(Look("nightfacade1.bmp", 8, 0.45), back, Front, F, F + 8);
  s.SideWalls(Look("nightbrick.bmp", 3, 0.1), back, Front, F + 8, F + 11);
  s.WallZ(Look("nightfacade1.bmp", 8, 0.45), Front, -1, -W, W, F, F + 8);
  s.SkyBox(back, F + 11, F + 13, F + 8, "nightsky.bmp");
  // The shelter: glass back and sides on a frame, a roof, a bench, an advertisement.
  const int frame = s.M(Shiny("metal.bmp", 1)), glass = s.M(Shiny("glass.bmp", 3));
  const double x0 = -6, x1 = 2, z0 = -7.2, z1 = -5.0, y1 = F + 0.2 + 4.2;
  s.map.Box(glass, {x0, F + 0.2, z0}, {x1, y1, z0 + 0.06});
  s.map.Box(glass, {x0, F + 0.2, z0}, {x0 + 0.06, y1, z1});
  s.map.Box(frame, {x0 - 0.2, y1, z0 - 0.2}, {x1 + 0.2, y1 + 0.2, z1 + 0.3}, true);
  for (double x : {x0, x1 - 0.12})
    for (double z : {z0, z1 - 0.12}) s.map.Box(frame, {x, F + 0.2, z}, {x + 0.12, y1, z + 0.12});
  s.map.Picture(s.M(Look("poster1.bmp", 1, 0.35)), {x0 + 0.08, F + 1.0, z1 - 0.3}, {0, 0, -1.6}, {0, 2.4, 0});
  s.map.Picture(s.M(Look("poster2.bmp", 1, 0.35)), {x0 + 1.0, F + 1.4, z0 + 0.08}, {2.2, 0, 0}, {0, 2.4, 0});
  s.map.Box(s.M(Look("wood.bmp", 1.5)), {x0 + 3.6, F + 1.05, z0 + 0.1}, {x1 - 0.2, F + 1.2, z0 + 0.8});
  s.map.Box(s.M(Look("bulb.bmp", 1, 1.0)), {x0 + 1, y1 - 0.08, z0 + 0.6}, {x1 - 1, y1, z0 + 1.2}, true);
  // The stop's sign.
  const int metal = s.M(Look("darkmetal.bmp"));
  s.map.Cylinder(metal, {5.0, F + 0.2, -4.0}, 0.09, 4.6, 8);
  s.map.Picture(s.M(Look("busstop.bmp", 1, 0.5)), {4.4, F + 3.6, -3.9}, {1.2, 0, 0}, {0, 1.2, 0});
  s.map.Box(s.M(Look("white.bmp", 1)), {4.6, F + 1.8, -3.95}, {5.4, F + 2.9, -3.85});
  s.map.Cylinder(s.M(Look("darkmetal.bmp")), {8.0, F + 0.2, -4.2}, 0.45, 1.5, 10);
  Car(s, -9.0, 8.5, "glass.bmp");
  for (double x : {-8.0, 7.0}) StreetLamp(s, x, -4.0, -0.8, 7.0);
  s.Light({x0 + 4, y1 - 0.2, z0 + 0.9});
}

// 7: the poolroom: lamps over the fight and over two tables, the bar at the back.
void Poolroom(Scene& s) {
  const double back = -11, top = 6.5;
  s.Floor(Look("wood.bmp", 3, 0.15), -W, W, back, Front);
  s.Ceiling(Look("darkwood.bmp", 3, 0.1), -W, W, back, Front, top);
  s.SideWalls(Look("darkwood.bmp", 2, 0.15), back, Front, F, F + 1.6);
  s.SideWalls(Look("wallpaper.bmp", 3, 0.22), back, Front, F + 1.6, top);
  for (double z : {back, Front}) {
    const int facing = z < 0 ? 1 : -1;
    s.WallZ(Look("darkwood.bmp", 2, 0.15), z, facing, -W, W, F, F + 1.6);
    s.WallZ(Look("wallpaper.bmp", 3, 0.22), z, facing, -W, W, F + 1.6, top);
  }
  s.PictureOnSideWall(Look("dartboard.bmp", 1, 0.15), -W, -3.5, F + 3.0, 1.4, 1.4);
  s.PictureOnSideWall(Look("poster1.bmp", 1, 0.1), W, -4, F + 2.6, 2.2, 2.2);
  s.PictureFacingFront(Look("pool.bmp", 1, 0.9), 7.5, back + 0.03, F + 4.0, 3.4, 1.8);
  // The bar: counter, shelves of bottles, stools.
  const int dark = s.M(Shiny("darkwood.bmp", 1.5));
  s.map.Box(dark, {-9.5, F, -9.2}, {1.5, F + 2.0, -8.1});
  s.map.Box(s.M(Shiny("wood.bmp", 1.5)), {-9.7, F + 2.0, -9.3}, {1.7, F + 2.15, -7.9});
  s.PictureFacingFront(Look("shelves.bmp", 1, 0.25), -4, back + 0.03, F + 2.3, 9, 3.2);
  const int metal = s.M(Shiny("metal.bmp", 1)), red = s.M(Look("red.bmp", 1));
  for (double x = -8.5; x < 1.0; x += 2.2) {
    s.map.Cylinder(metal, {x, F, -7.3}, 0.07, 1.4, 6);
    s.map.Cylinder(red, {x, F + 1.4, -7.3}, 0.4, 0.15, 10);
  }
  // Two pool tables behind the fight, each under its lamp.
  const int felt = s.M(Look("felt.bmp", 2)), cushion = s.M(Look("lampgreen.bmp", 1));
  for (double x : {-7.0, 6.5}) {
    const double z = -4.6;
    for (double dx : {-1.9, 1.7})
      for (double dz : {-0.9, 0.7}) s.map.Box(dark, {x + dx, F, z + dz}, {x + dx + 0.2, F + 1.2, z + dz + 0.2});
    s.map.Box(dark, {x - 2.4, F + 1.1, z - 1.3}, {x + 2.4, F + 1.45, z + 1.3}, true);
    s.map.Box(felt, {x - 2.1, F + 1.45, z - 1.0}, {x + 2.1, F + 1.47, z + 1.0});
    for (double dz : {-1.15, 1.0}) s.map.Box(cushion, {x - 2.2, F + 1.45, z + dz}, {x + 2.2, F + 1.6, z + dz + 0.15});
    s.map.Blob(s.M(Look("white.bmp", 1)), {x + 0.8, F + 1.58, z + 0.2}, {0.1, 0.1, 0.1}, 5, 8);
    s.map.Blob(red, {x - 0.6, F + 1.58, z - 0.3}, {0.1, 0.1, 0.1}, 5, 8);
    s.map.Rod(s.M(Look("wood.bmp", 1)), {x - 1.4, F + 1.6, z + 0.5}, {x + 0.5, F + 1.7, z - 0.2}, 0.035, 5);
    s.map.Cone(s.M(Look("lampgreen.bmp", 1)), {x, 3.9, z}, 0.5, 1.4, 0.6, true);
    s.map.Rod(metal, {x, 3.9, z}, {x, top, z}, 0.03, 5);
    s.map.Blob(s.M(Look("bulb.bmp", 1, 1.0)), {x, 3.4, z}, {0.25, 0.15, 0.25}, 5, 8);
    s.Light({x, 3.35, z});
  }
  // Hanging lamps over the fight.
  for (double x : {-6.0, 0.0, 6.0}) {
    s.map.Rod(metal, {x, 4.9, 1.0}, {x, top, 1.0}, 0.03, 5);
    s.map.Cone(s.M(Look("lampgreen.bmp", 1)), {x, 4.95, 1.0}, 0.2, 0.7, 0.5, true);
    s.map.Blob(s.M(Look("bulb.bmp", 1, 1.0)), {x, 4.55, 1.0}, {0.16, 0.1, 0.16}, 5, 8);
    s.Light({x, 4.5, 1.0});
  }
  s.Light({-4, 5.5, -9});
}

// One small triangle per light; its centroid is the light's position.
Ms3dModelData LightMarks(const std::vector<Vec3>& lights) {
  Ms3dModelData marks;
  Ms3dMaterial m;
  m.name = "light";
  m.ambient = m.diffuse = m.emissive = {1, 1, 1, 1};
  m.specular = {0, 0, 0, 1};
  marks.materials.push_back(m);
  Ms3dGroup g;
  g.name = "lights";
  g.material = 0;
  for (const Vec3& p : lights) {
    Ms3dTriangle t;
    // Seen from below, counter-clockwise; the corners sum to three times p.
    const Vec3 corners[3] = {p + Vec3{-0.15, 0, 0.1}, p + Vec3{0, 0, -0.2}, p + Vec3{0.15, 0, 0.1}};
    for (int k = 0; k < 3; ++k) {
      t.vertexIndices[k] = static_cast<std::uint16_t>(marks.vertices.size());
      marks.vertices.push_back({{static_cast<float>(corners[k].x), static_cast<float>(corners[k].y),
                                 static_cast<float>(corners[k].z)},
                                -1});
      t.normals[k] = {0, -1, 0};
    }
    g.triangles.push_back(static_cast<std::uint16_t>(marks.triangles.size()));
    marks.triangles.push_back(t);
  }
  marks.groups.push_back(g);
  return marks;
}

}  // namespace

std::string ArenaFolder(int number) { return ".\\base\\maps\\" + std::to_string(number) + "\\"; }

ArenaMeshes BuildArena(int number) {
  Scene s(number);
  switch (number) {
    case 1: PrisonCell(s); break;
    case 2: PrisonYard(s); break;
    case 3: GasStation(s); break;
    case 4: Park(s); break;
    case 5: Crosswalk(s); break;
    case 6: BusStop(s); break;
    case 7: Poolroom(s); break;
    default: throw std::out_of_range("no such arena");
  }
  return {s.map.Build(), LightMarks(s.lights), s.lights, s.map.Textures()};
}

ArenaMeshes BuildLamp() {
  SceneBuilder b(".\\base\\maps\\1\\lamp\\");
  SurfaceLook shade;
  shade.texture = "lampshade.bmp";
  shade.tile = 1;
  shade.specular = 0.5;
  shade.shininess = 30;
  SurfaceLook bulb;
  bulb.texture = "bulb.bmp";
  bulb.tile = 1;
  bulb.emissive = 1.0;
  SurfaceLook cord;
  cord.texture = "lampshade.bmp";
  const int shadeM = b.Material(shade), bulbM = b.Material(bulb), cordM = b.Material(cord);
  b.Rod(cordM, {0, -0.55, 0}, {0, 0, 0}, 0.025, 6);
  b.Cylinder(shadeM, {0, -0.62, 0}, 0.09, 0.08, 8);
  b.Cone(shadeM, {0, -0.6, 0}, 0.12, 0.6, 0.45, true, 16);
  b.Blob(bulbM, {0, -0.95, 0}, {0.16, 0.2, 0.16}, 6, 10);
  return {b.Build(), {}, {}, b.Textures()};
}
