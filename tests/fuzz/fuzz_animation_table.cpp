#include <string_view>

#include "fuzz_check.h"
#include "render/animation_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ModelPart upper, lower;
  ReadAnimationTable(std::string_view(reinterpret_cast<const char*>(data), size), upper, lower);
  FUZZ_CHECK(upper.animations.size() <= static_cast<std::size_t>(AnimationTableSize));
  FUZZ_CHECK(lower.animations.size() <= static_cast<std::size_t>(AnimationTableSize));
  for (const ModelPart* part : {&upper, &lower}) {
    for (const AnimationInfo& animation : part->animations) FUZZ_CHECK(animation.name.size() <= 255);
  }
  return 0;
}
