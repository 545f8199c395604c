#pragma once

#include <string>

#include "common/canvas.h"

// The pictures on the arenas' surfaces, by file name ("brick.bmp", "nightsky.bmp", ...). Repeating
// pictures join seamlessly at their edges. Throws std::out_of_range for an unknown name.
Canvas PaintArenaTexture(const std::string& fileName);
