#include "render/animation_playback.h"

#include <algorithm>
#include <cmath>
#include <strings.h>

namespace {

constexpr int LookAheadFrames = 4;

struct FrameRange {
  int first;
  int end;
};

// The current animation's frames, kept inside the frames the geometry holds so that no frame
// number can index past a mesh or the tag table.
const AnimationInfo* CurrentAnimation(const ModelPart& part) {
  if (part.currentAnimation < 0 || static_cast<std::size_t>(part.currentAnimation) >= part.animations.size()) {
    return part.animations.empty() ? nullptr : &part.animations[0];
  }
  return &part.animations[static_cast<std::size_t>(part.currentAnimation)];
}

FrameRange CurrentRange(const ModelPart& part) {
  const AnimationInfo* current = CurrentAnimation(part);
  if (current == nullptr) return {0, 1};
  const AnimationInfo& animation = *current;
  const int limit = PlayableFrameCount(part);
  int first = std::max(animation.firstFrame, 0);
  int end = animation.endFrame;
  if (limit > 0) {
    first = std::min(first, limit - 1);
    end = std::min(end, limit);
  }
  return {first, std::max(end, first + 1)};
}

int Following(int frame, const FrameRange& range) {
  const int next = (frame + 1) % range.end;
  return next == 0 ? range.first : next;
}

}  // namespace

bool StartAnimation(ModelPart& part, const char* name, float animClock) {
  if (name == nullptr) return false;
  for (std::size_t i = 0; i < part.animations.size(); ++i) {
    if (strcasecmp(part.animations[i].name.c_str(), name) != 0) continue;
    part.currentAnimation = static_cast<int>(i);
    part.currentFrame = CurrentRange(part).first;
    part.lastUpdate = animClock;
    return true;
  }
  return false;
}

void AdvancePart(ModelPart& part, float animClock) {
  const FrameRange range = CurrentRange(part);
  part.nextFrame = Following(part.currentFrame, range);
  part.lookAhead[0] = part.nextFrame;
  for (int i = 1; i < LookAheadFrames; ++i) part.lookAhead[i] = Following(part.lookAhead[i - 1], range);
  const AnimationInfo* animation = CurrentAnimation(part);
  if (animation == nullptr) return;

  const int fps = animation->framesPerSecond;
  if (fps <= 0) {  // an endless period: the animation stands on its frame
    part.t = 0.0f;
    return;
  }
  const float elapsed = animClock - part.lastUpdate;
  const float period = 1000.0f / static_cast<float>(fps);
  float t = elapsed / period;
  if (elapsed >= period) {
    // After a stall of more than four periods the surplus time is dropped: the model goes on from
    // four frames later instead of racing to catch up.
    const int steps = std::min(static_cast<int>(std::floor(elapsed / period)), LookAheadFrames);
    part.currentFrame = part.lookAhead[steps - 1];
    part.lastUpdate += static_cast<float>(steps) * period;
    t -= static_cast<float>(steps);
    if (t >= 1.0f) {
      part.lastUpdate = animClock;
      t = 0.0f;
    }
    if (t < 0.0f) t = 0.0f;
  }
  part.t = t;
}

void HoldPart(ModelPart& part, float animClock) {
  part.t = 0.0f;
  part.lastUpdate = animClock;
}

bool LinkByTagName(ModelPart& part, ModelPart& target, const char* tagName) {
  for (int i = 0; i < part.tagCount && static_cast<std::size_t>(i) < part.tags.size(); ++i) {
    if (strcasecmp(part.tags[static_cast<std::size_t>(i)].name, tagName) == 0) {
      part.links[static_cast<std::size_t>(i)] = &target;
      return true;
    }
  }
  return false;
}
