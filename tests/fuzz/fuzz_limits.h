#pragma once

// Pictures the fuzz targets accept: wide enough for runs and deltas past a row's end, small enough
// that each run fills a 48 KB picture rather than the game's 48 MB largest (about 30 times faster).
constexpr long long kFuzzMaxPixels = 128LL * 128LL;
