#include "render/bmp_decoder.h"

#include <algorithm>

#include "app/content_report.h"
#include "render/byte_reader.h"
#include "render/file_bytes.h"

namespace {

enum Compression : std::uint32_t { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3, AlphaBitFields = 6 };

struct Rgb8 {
  std::uint8_t r = 0, g = 0, b = 0;
};

// One colour channel given by a bit mask, scaled to 8 bits.
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0;
  int bits = 0;

  explicit Channel(std::uint32_t m = 0) : mask(m) {
    if (mask == 0) return;
    while (((mask >> shift) & 1u) == 0) ++shift;
    while (shift + bits < 32 && ((mask >> (shift + bits)) & 1u) != 0) ++bits;
  }
  std::uint8_t Scale(std::uint32_t pixel) const {
    if (bits == 0) return 0;
    const std::uint32_t value = (pixel & mask) >> shift;
    if (bits >= 8) return static_cast<std::uint8_t>(value >> (bits - 8));
    const std::uint32_t max = (1u << bits) - 1u;
    return static_cast<std::uint8_t>((value * 255u + max / 2u) / max);
  }
};

struct Header {
  long long width = 0;
  long long height = 0;  // positive; `topDown` tells the row order
  bool topDown = false;
  int bitsPerPixel = 0;
  std::uint32_t compression = Rgb;
  Channel red, green, blue;
  std::vector<Rgb8> palette;
  std::uint32_t pixelOffset = 0;
};

// The image being written: rows bottom-up as the caller wants them.
class Canvas {
 public:
  explicit Canvas(const Header& h) : width_(h.width), height_(h.height), topDown_(h.topDown) {
    image.width = static_cast<int>(h.width);
    image.height = static_cast<int>(h.height);
    image.pixels.assign(static_cast<std::size_t>(h.width * h.height * 3), 0);
  }
  // `fileRow` counts rows in the order they are stored in the file.
  void Put(long long fileRow, long long x, Rgb8 c) {
    if (fileRow < 0 || fileRow >= height_ || x < 0 || x >= width_) return;
    const long long row = topDown_ ? height_ - 1 - fileRow : fileRow;
    std::uint8_t* p = &image.pixels[static_cast<std::size_t>((row * width_ + x) * 3)];
    p[0] = c.r, p[1] = c.g, p[2] = c.b;
  }
  RgbImage image;

 private:
  long long width_, height_;
  bool topDown_;
};

Rgb8 PaletteColour(const Header& h, unsigned index) {
  return index < h.palette.size() ? h.palette[index] : Rgb8{};
}

bool ReadHeader(ByteReader& in, Header& h, long long maxPixels) {
  if (in.U8() != 'B' || in.U8() != 'M') return false;
  in.Skip(8);
  h.pixelOffset = in.U32();
  const std::uint32_t infoSize = in.U32();
  if (!in.Ok()) return false;
  const bool core = infoSize == 12;
  if (!core && (infoSize < 40 || infoSize > 1024)) return false;
  const std::size_t infoStart = 14;

  if (core) {
    h.width = in.U16();
    h.height = in.U16();
    in.U16();  // planes
    h.bitsPerPixel = in.U16();
  } else {
    h.width = in.I32();
    const std::int32_t height = in.I32();
    h.topDown = height < 0;
    h.height = height < 0 ? -static_cast<long long>(height) : height;
    in.U16();  // planes
    h.bitsPerPixel = in.U16();
    h.compression = in.U32();
  }
  if (!in.Ok() || h.width <= 0 || h.height <= 0 || h.width * h.height > maxPixels) return false;

  const int bpp = h.bitsPerPixel;
  switch (h.compression) {
    case Rgb:
      if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) return false;
      break;
    case Rle8:
      if (bpp != 8) return false;
      break;
    case Rle4:
      if (bpp != 4) return false;
      break;
    case BitFields:
    case AlphaBitFields:
      if (bpp != 16 && bpp != 32) return false;
      break;
    default:
      return false;
  }

  std::uint32_t coloursUsed = 0;
  std::size_t afterInfo = infoStart + infoSize;
  if (!core) {
    in.Skip(12);  // image size, resolution
    coloursUsed = in.U32();
    if (!in.Ok()) return false;
    if (h.compression == BitFields || h.compression == AlphaBitFields) {
      // Info headers carry the masks inside from V2 on; a plain info header has them behind it.
      if (!in.Seek(infoStart + 40)) return false;
      h.red = Channel(in.U32());
      h.green = Channel(in.U32());
      h.blue = Channel(in.U32());
      if (!in.Ok()) return false;
      if (infoSize == 40) afterInfo += h.compression == AlphaBitFields ? 16 : 12;
    }
  }
  if (h.compression == Rgb && bpp == 16) {
    h.red = Channel(0x7C00), h.green = Channel(0x03E0), h.blue = Channel(0x001F);
  } else if (h.compression == Rgb && bpp == 32) {
    h.red = Channel(0x00FF0000), h.green = Channel(0x0000FF00), h.blue = Channel(0x000000FF);
  }

  if (bpp <= 8) {
    std::size_t entries = coloursUsed != 0 && coloursUsed < (1u << bpp) ? coloursUsed : (1u << bpp);
    const std::size_t entrySize = core ? 3 : 4;
    if (!in.Seek(static_cast<long long>(afterInfo))) return false;
    if (entries > in.Remaining() / entrySize) entries = in.Remaining() / entrySize;
    h.palette.resize(entries);
    for (Rgb8& c : h.palette) {
      c.b = in.U8(), c.g = in.U8(), c.r = in.U8();
      if (!core) in.U8();
    }
  }
  return h.pixelOffset <= in.Size();
}

void DecodeRows(ByteReader& in, const Header& h, Canvas& canvas) {
  const long long stride = ((h.width * h.bitsPerPixel + 31) / 32) * 4;
  for (long long row = 0; row < h.height; ++row) {
    const long long rowStart = static_cast<long long>(h.pixelOffset) + row * stride;
    if (!in.Seek(rowStart)) return;  // the rest of a short file stays black
    for (long long x = 0; x < h.width; ++x) {
      Rgb8 c;
      switch (h.bitsPerPixel) {
        case 1:
        case 4:
        case 8: {
          const long long bit = x * h.bitsPerPixel;
          if (!in.Seek(rowStart + bit / 8)) return;
          const std::uint8_t byte = in.U8();
          const int shift = 8 - h.bitsPerPixel - static_cast<int>(bit % 8);
          c = PaletteColour(h, (byte >> shift) & ((1u << h.bitsPerPixel) - 1u));
          break;
        }
        case 16: {
          const std::uint32_t p = in.U16();
          c = {h.red.Scale(p), h.green.Scale(p), h.blue.Scale(p)};
          break;
        }
        case 24:
          c.b = in.U8(), c.g = in.U8(), c.r = in.U8();
          break;
        case 32: {
          const std::uint32_t p = in.U32();
          c = {h.red.Scale(p), h.green.Scale(p), h.blue.Scale(p)};
          break;
        }
      }
      if (!in.Ok()) return;
      canvas.Put(row, x, c);
    }
  }
}

// Run-length encoded rows (8 or 4 bits per index). Escapes: 0 0 end of line, 0 1 end of bitmap,
// 0 2 dx dy move, 0 n a literal run of n indices padded to a 16-bit boundary.
void DecodeRle(ByteReader& in, const Header& h, Canvas& canvas) {
  const bool four = h.compression == Rle4;
  if (!in.Seek(h.pixelOffset)) return;
  long long x = 0, row = 0;
  while (in.Remaining() >= 2 && row < h.height) {
    const std::uint8_t count = in.U8();
    const std::uint8_t value = in.U8();
    if (count > 0) {
      // Only the part of the run inside the row is painted: two bytes may not cost 255 steps of
      // nothing once a hostile file has run past the row's end.
      const long long inside = std::max(0LL, std::min(static_cast<long long>(count), h.width - x));
      for (int i = 0; i < inside; ++i) {
        const unsigned index = four ? (i % 2 == 0 ? value >> 4 : value & 0x0F) : value;
        canvas.Put(row, x + i, PaletteColour(h, index));
      }
      x += count;
    } else if (value == 0) {
      x = 0, ++row;
    } else if (value == 1) {
      return;
    } else if (value == 2) {
      x += in.U8();
      row += in.U8();
    } else {
      const int bytes = four ? (value + 1) / 2 : value;
      std::uint8_t byte = 0;
      for (int i = 0; i < value; ++i) {
        if (!four || i % 2 == 0) byte = in.U8();
        if (!in.Ok()) return;
        const unsigned index = !four ? byte : (i % 2 == 0 ? byte >> 4 : byte & 0x0F);
        canvas.Put(row, x++, PaletteColour(h, index));
      }
      if (bytes % 2 != 0) in.Skip(1);
    }
    if (!in.Ok()) return;
  }
}

}  // namespace

std::optional<RgbImage> DecodeBmp(const std::uint8_t* data, std::size_t size, long long maxPixels) {
  ByteReader in(data, size);
  Header header;
  if (!ReadHeader(in, header, maxPixels)) return std::nullopt;
  Canvas canvas(header);
  ByteReader pixels(data, size);
  if (header.compression == Rle8 || header.compression == Rle4) {
    DecodeRle(pixels, header, canvas);
  } else {
    DecodeRows(pixels, header, canvas);
  }
  return std::move(canvas.image);
}

std::optional<RgbImage> DecodeBmpFile(const char* gamePath) {
  const auto bytes = ReadFileBytes(gamePath);
  if (!bytes) return std::nullopt;
  auto image = DecodeBmp(bytes->data(), bytes->size());
  if (!image) ReportContentProblem(gamePath, ContentProblem::Damaged);
  return image;
}
