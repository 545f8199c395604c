#include "fuzz_check.h"
#include "render/animation_playback.h"
#include "render/bhm_reader.h"

// Reads a model, then plays animations whose frame numbers come from the input's last bytes and
// checks that every frame the drawing would index lies inside the model's data.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ModelPart part;
  if (!ReadBhm(data, size, part)) {
    FUZZ_CHECK(part.meshes.empty() && part.tags.empty());
    return 0;
  }
  FUZZ_CHECK(part.tags.size() == static_cast<std::size_t>(part.frameCount) * part.tagCount);
  FUZZ_CHECK(part.links.size() == static_cast<std::size_t>(part.tagCount));
  for (const ModelMesh& mesh : part.meshes) {
    FUZZ_CHECK(mesh.frameSlots.size() == static_cast<std::size_t>(mesh.frameCount));
    FUZZ_CHECK(mesh.vertices.size() % (mesh.vertexCount > 0 ? mesh.vertexCount : 1) == 0);
    for (int frame = 0; frame < mesh.frameCount; ++frame) {
      FUZZ_CHECK(mesh.FrameStart(frame) + mesh.vertexCount <= mesh.vertices.size());
    }
    FUZZ_CHECK(mesh.texCoords.size() == static_cast<std::size_t>(mesh.vertexCount));
    for (const auto& triangle : mesh.triangles) {
      for (int v : triangle) FUZZ_CHECK(v >= 0 && v < mesh.vertexCount);
    }
  }

  const std::uint8_t* tail = size >= 8 ? data + size - 8 : data;
  AnimationInfo animation;
  animation.name = "LEGS_FUZZ";
  animation.firstFrame = static_cast<std::int8_t>(tail[0]) * (size >= 8 ? tail[1] : 1);
  animation.endFrame = animation.firstFrame + static_cast<std::int8_t>(size >= 8 ? tail[2] : 3);
  animation.framesPerSecond = size >= 8 ? static_cast<std::int8_t>(tail[3]) : 20;
  part.animations.push_back(animation);
  StartAnimation(part, "legs_fuzz", 0.0f);
  const int frames = PlayableFrameCount(part);
  for (int i = 1; i <= 12; ++i) {
    AdvancePart(part, static_cast<float>(i * (size >= 8 ? tail[4] + 1 : 37)));
    if (frames > 0) {
      FUZZ_CHECK(part.currentFrame >= 0 && part.currentFrame < frames);
      FUZZ_CHECK(part.nextFrame >= 0 && part.nextFrame < frames);
    }
  }
  return 0;
}
