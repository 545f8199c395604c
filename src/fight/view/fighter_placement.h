#pragma once

#include "render/math3d.h"

// Where a fighter's model stands, without the camera: 1.6 below the body's centre, standing up
// (the model files are z-up), fighter two turned by 180° so the two face each other along x.
// Neither turns with its view direction.
Matrix4 FighterModelMatrix(int fighter, float x, float y, float z);

// TextureBank entry of a character's skin.
int FighterSkinTexture(int character);
