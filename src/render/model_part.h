#pragma once

#include <array>
#include <string>
#include <vector>

#include "render/math3d.h"

// The in-memory form of a fighter model file and its animation table.

struct ModelTag {
  char name[64] = {};  // always NUL-terminated after reading
  Vector3 origin;
  float axis[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};  // 3×3 rotation, row by row
};

struct ModelMesh {
  std::string name;
  int frameCount = 0;     // vertex frames
  int vertexCount = 0;
  int triangleCount = 0;
  std::vector<Vector3> positions;  // frameCount × vertexCount, frame-major
  std::vector<Vector3> normals;    // same layout
  std::vector<Vector2> texCoords;  // vertexCount entries
  std::vector<std::array<int, 3>> triangles;  // indices checked against vertexCount
};

struct AnimationInfo {
  std::string name;
  int firstFrame = 0;
  int endFrame = 0;  // one past the last frame
  int loopingFrames = 0;
  int framesPerSecond = 0;
};

struct ModelPart {
  // Geometry (from the model file). Reset when a file is read into the part.
  std::vector<ModelMesh> meshes;
  int frameCount = 0;  // frames of the tag table
  int tagCount = 0;    // tags per frame
  std::vector<ModelTag> tags;     // frameCount × tagCount, frame by frame
  std::vector<ModelPart*> links;  // one slot per tag; null = no link
  std::vector<AnimationInfo> animations;

  // Playback, all zero after loading.
  int currentAnimation = 0;
  int currentFrame = 0;
  int nextFrame = 0;
  int lookAhead[4] = {};
  float t = 0.0f;
  float lastUpdate = 0.0f;  // AnimClock milliseconds
};

// Frames that both the tag table and every mesh hold: frame numbers must stay below this.
// A part with no geometry has no limit (-1).
int PlayableFrameCount(const ModelPart& part);
