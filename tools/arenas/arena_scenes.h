#pragma once

#include <string>
#include <vector>

#include "arenas/ms3d_file.h"
#include "fighters/model_math.h"

// The seven arenas as meshes: the room around the fight with its props, and one small triangle
// per light (its centre is where the light hangs). Arena numbers 1 to 7.

constexpr int ArenaCount = 7;
// The physics world the rooms wrap: the floor's top and the side walls' inner faces.
constexpr double ArenaFloorY = -1.65;
constexpr double ArenaWallX = 12.45;

struct ArenaMeshes {
  Ms3dModelData map;
  Ms3dModelData lights;
  std::vector<Vec3> lightPositions;
  std::vector<std::string> textures;  // picture files the map names, in its folder
};

ArenaMeshes BuildArena(int number);

// The lamp that swings in arenas 1 and 2: it hangs from its origin downward.
ArenaMeshes BuildLamp();

// Game path of an arena's folder, ".\base\maps\N\".
std::string ArenaFolder(int number);
