#pragma once

// A picture drawn unblended and without the depth test over a freshly cleared frame (a menu's
// background) is kept in a framebuffer as it came out, and copied in again on the next frames
// while nothing that shapes it changes: the bound texture (whose pixels must stay as they are,
// as the menus' pictures do once loaded), viewport, scissor, matrices, colour, clear colour and
// the switches that shade it. A software rasteriser pays several times more for a textured quad over the
// whole window than for the copy. Anything else, or no framebuffer objects, draws as before.
//
// `draw` draws the picture with the current state.
void DrawKeptPicture(void (*draw)());

// Deletes the kept picture (before the context goes).
void ReleaseKeptPicture();
