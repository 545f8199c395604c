#pragma once

// Pictures the fuzz targets accept: large enough for every kind of row and run the decoders know,
// small enough that a header claiming the game's largest size does not make each run clear 48 MB.
constexpr long long kFuzzMaxPixels = 256LL * 256LL;
