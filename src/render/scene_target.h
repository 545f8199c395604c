#pragma once

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

// The menus' 800 × 600 units over the current viewport, kept in proportion (MenuSpaceEdges).
void LoadMenuProjection();
// Keeps what follows inside the menus' 4:3 area of the current viewport (the bars stay black
// while elements slide in from beyond it); false lets the whole viewport be drawn again.
void ClipToMenuArea(bool clip);
