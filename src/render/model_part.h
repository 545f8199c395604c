#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "render/math3d.h"

// The in-memory form of a fighter model file and its animation table.

struct ModelTag {
  char name[64] = {};  // always NUL-terminated after reading
  Vector3 origin;
  float axis[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};  // 3×3 rotation, row by row
};

// One vertex of one frame as the file stores it: the position in 1/960 units and the normal as two
// angle bytes. Kept packed (8 bytes rather than 24 decoded) and decoded while drawing.
struct PackedVertex {
  std::int16_t x = 0, y = 0, z = 0;
  std::uint8_t a = 0, b = 0;
};

struct ModelMesh {
  std::string name;
  int frameCount = 0;     // vertex frames
  int vertexCount = 0;
  int triangleCount = 0;
  // The distinct frames' vertices, frame-major: frames whose vertices are all alike (a held pose)
  // share one stored frame.
  std::vector<PackedVertex> vertices;  // stored frames × vertexCount
  std::vector<int> frameSlots;         // frameCount entries: the stored frame each frame uses
  std::vector<Vector2> texCoords;  // vertexCount entries
  std::vector<std::array<int, 3>> triangles;  // indices checked against vertexCount
  std::vector<std::uint32_t> drawCorners;     // as GL winds its front faces; made at the first draw

  // Index in `vertices` of a frame's first vertex (frame below frameCount).
  std::size_t FrameStart(int frame) const {
    return static_cast<std::size_t>(frameSlots[static_cast<std::size_t>(frame)]) * static_cast<std::size_t>(vertexCount);
  }
  // A vertex of a frame, decoded (bhm_reader.cpp).
  Vector3 Position(int frame, int vertex) const;
  Vector3 Normal(int frame, int vertex) const;
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
