#pragma once

#include "render/model_part.h"

// Starts the animation named `name` (any case) on the part: false, and nothing changes, when the
// part has no such animation. The frames are clamped to the frames the part's geometry holds.
bool StartAnimation(ModelPart& part, const char* name, float animClock);

// Moves the part's playback on to `animClock`: computes the next and look-ahead frames, steps at
// most four frames and stores the blend factor t.
void AdvancePart(ModelPart& part, float animClock);

// Keeps a part that was not drawn on its frame without letting time pile up.
void HoldPart(ModelPart& part, float animClock);

// Links the first tag of frame 0 named `tagName` (any case) to `target`; false when there is none.
bool LinkByTagName(ModelPart& part, ModelPart& target, const char* tagName);
