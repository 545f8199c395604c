#pragma once

#include "app/display_geometry.h"

// A frame drawn smaller than the window and scaled up smoothly when shown: full screen at a
// chosen resolution on a larger desktop. Needs the framebuffer-object entry points of GL 3.0 or
// ARB_framebuffer_object; without them frames go straight to the window.

// Makes the next frame draw into a width × height target when that is smaller than the window,
// into the window otherwise. False when the target could not be made (the window is drawn into).
bool BeginSceneFrame(int width, int height, int windowWidth, int windowHeight, int depthBits);
// Scales the target onto the whole window (bilinear) when the frame was drawn into it.
void PresentSceneFrame(int windowWidth, int windowHeight);
// Deletes the target (before the context goes).
void ReleaseSceneTarget();

// The edges of the current viewport in the menus' 800 × 600 units, kept in proportion.
MenuSpaceBox CurrentMenuSpace();
// The menus' units over the current viewport as the projection.
void LoadMenuProjection();
// Keeps what follows inside the menus' 4:3 area of the current viewport (the bars stay black
// while elements slide in from beyond it); false lets the whole viewport be drawn again.
void ClipToMenuArea(bool clip);
