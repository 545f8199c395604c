#pragma once

#include <cstddef>

// A picture drawn unblended and without the depth test over a freshly cleared frame (a menu's
// background, or a whole menu at rest) is copied out of the frame as it came out, and copied in
// again on the next frames while nothing that shapes it changes: the bound texture (whose pixels
// must stay as they are, as the menus' pictures do once loaded), viewport, scissor, matrices,
// colour, clear colour, the switches that shade it, and the caller's `look` (what the drawing
// reads besides GL: slide offsets, a pulse). A software rasteriser pays several times more for
// a textured quad over the whole window than for the copy. A picture is kept when a frame asks
// for what the frame before did, so one that changes every frame is simply drawn. Anything
// else, or no framebuffer objects, draws as before. A picture drawn while a kept one is drawn
// has a place of its own (a menu's background under its buttons).
//
// `draw` draws the picture with the current state; it must not change the scissor test. After a
// copy it runs again with every pixel scissored away, so GL is left as the drawing leaves it.
void DrawKeptPicture(void (*draw)(), const void* look = nullptr, std::size_t lookSize = 0);

// Deletes the kept pictures (before the context goes).
void ReleaseKeptPicture();
