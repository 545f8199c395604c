#pragma once

// The flat pieces every menu screen is built from, in the 800 × 600 menu space (y up).

// A quad with texture coordinates 0..1 from (x0, y0) to (x1, y1) with the bound texture.
void DrawTexturedQuad(float x0, float y0, float x1, float y1);
// The whole screen with TextureBank entry `texture`.
void DrawFullScreenQuad(int texture);
// The whole viewport, untextured: beyond the 800 × 600 area on a window wider or taller than 4:3,
// where the fight's picture reaches to the edges.
void FillWholeFrame();
// Black of the given opacity multiplied into the whole frame (the fades from and to black); one of
// no opacity leaves every pixel as it is and is not drawn.
void DrawBlackVeil(float opacity);

// Whether the menu is drawn over a frame that holds only the black of its clear. Passes that
// multiply the frame (a background's mask, the versus screen's backdrop) show nothing there and
// are skipped; over the picture of a fight that just ended they are drawn. Set by DrawMenus.
extern bool MenuOverClearFrame;

// Main menu and options: the mask multiplied in, then the picture added.
void DrawMaskedBackground(int mask, int picture);
// Quit dialog, career menu, difficulty, pause: TextureBank entry 22 over the whole screen.
void DrawPlainBackground(bool depthTestOff);

// A 120 × 32 button with its lower-left corner at (x, y); pulses while hovered.
void DrawButtonAt(float x, float y, bool hovered);
void DrawButton(bool hovered);
// An 80 × 32 character arrow: kind 0 points left, 1 right; shakes sideways while hovered.
void DrawSideArrow(int kind, bool hovered);
// A 120 × 32 arena arrow: kind 0 points down, 1 up; shakes upward while hovered.
void DrawArenaArrow(int kind, bool hovered);
// A stat bar of 300 × v by 8 units whose pattern repeats along its length.
void DrawStatBar(float value);
// The mouse pointer, its tip at the pointer position.
void DrawPointer();

// The end of a menu screen's flat part: pointer, then back to the perspective view.
void FinishFlatMenu();
