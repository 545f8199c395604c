#pragma once

#include "common/canvas.h"

// A character's skin painted with one flat code colour per face feature (fighter_skins.h) on the
// head and black everywhere else: drawn unlit and unfiltered, it tells which screen pixels show
// which feature.
Canvas FaceFeatureSkin(int characterIndex);

// The feature a pixel of a drawn FaceFeatureSkin shows: 0 not the head, 1 bare head, then eye,
// brow, mouth, mask.
int FaceFeatureCode(unsigned char r, unsigned char g, unsigned char b);
