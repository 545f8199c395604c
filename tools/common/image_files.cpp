#include "common/image_files.h"

#include <png.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <stdexcept>

namespace {

void PutLe16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
  out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void PutLe32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  PutLe16(out, v & 0xFFFF);
  PutLe16(out, v >> 16);
}

}  // namespace

std::uint8_t ChannelByte(float value) {
  if (!(value > 0)) return 0;  // also catches NaN
  if (value >= 1) return 255;
  return static_cast<std::uint8_t>(std::lround(value * 255.0f));
}

void WriteFileBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + path.string());
}

void WriteBmp24(const std::filesystem::path& path, const Canvas& canvas) {
  const std::uint32_t w = static_cast<std::uint32_t>(canvas.Width());
  const std::uint32_t h = static_cast<std::uint32_t>(canvas.Height());
  const std::uint32_t stride = (w * 3 + 3) & ~3u;
  const std::uint32_t dataSize = stride * h;
  std::vector<std::uint8_t> out;
  out.reserve(54 + dataSize);
  // BITMAPFILEHEADER
  out.push_back('B');
  out.push_back('M');
  PutLe32(out, 54 + dataSize);
  PutLe32(out, 0);
  PutLe32(out, 54);
  // BITMAPINFOHEADER: positive height = bottom-up rows, BI_RGB, 72 dpi.
  PutLe32(out, 40);
  PutLe32(out, w);
  PutLe32(out, h);
  PutLe16(out, 1);
  PutLe16(out, 24);
  PutLe32(out, 0);
  PutLe32(out, dataSize);
  PutLe32(out, 2835);
  PutLe32(out, 2835);
  PutLe32(out, 0);
  PutLe32(out, 0);
  for (int y = canvas.Height() - 1; y >= 0; --y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      const Rgba c = canvas.Get(x, y);
      out.push_back(ChannelByte(c.b));
      out.push_back(ChannelByte(c.g));
      out.push_back(ChannelByte(c.r));
    }
    for (std::uint32_t pad = w * 3; pad < stride; ++pad) out.push_back(0);
  }
  WriteFileBytes(path, out);
}

void WriteTga(const std::filesystem::path& path, const Canvas& canvas, TgaDepth depth) {
  const bool alpha = depth == TgaDepth::Rgba32;
  if (canvas.Width() > 0xFFFF || canvas.Height() > 0xFFFF)
    throw std::runtime_error("picture too large for TGA: " + path.string());
  std::vector<std::uint8_t> out = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  PutLe16(out, static_cast<std::uint32_t>(canvas.Width()));
  PutLe16(out, static_cast<std::uint32_t>(canvas.Height()));
  out.push_back(alpha ? 32 : 24);
  out.push_back(alpha ? 8 : 0);  // alpha bits; origin bit clear = bottom-up rows
  out.reserve(out.size() + static_cast<size_t>(canvas.Width()) * canvas.Height() * (alpha ? 4 : 3));
  for (int y = canvas.Height() - 1; y >= 0; --y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      const Rgba c = canvas.Get(x, y);
      out.push_back(ChannelByte(c.b));
      out.push_back(ChannelByte(c.g));
      out.push_back(ChannelByte(c.r));
      if (alpha) out.push_back(ChannelByte(c.a));
    }
  }
  WriteFileBytes(path, out);
}

void WritePng(const std::filesystem::path& path, const Canvas& canvas, PngChannels channels) {
  const std::size_t bytesPerPixel = channels == PngChannels::Rgba ? 4 : 3;
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
  std::FILE* file = std::fopen(path.string().c_str(), "wb");
  if (!file) throw std::runtime_error("cannot write " + path.string());
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  std::vector<png_byte> row(static_cast<size_t>(canvas.Width()) * bytesPerPixel);
  bool ok = png && info;
  if (ok && setjmp(png_jmpbuf(png)) == 0) {
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(canvas.Width()),
                 static_cast<png_uint_32>(canvas.Height()), 8,
                 channels == PngChannels::Rgba ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < canvas.Height(); ++y) {
      for (int x = 0; x < canvas.Width(); ++x) {
        const Rgba c = canvas.Get(x, y);
        png_byte* pixel = &row[static_cast<size_t>(x) * bytesPerPixel];
        pixel[0] = ChannelByte(c.r);
        pixel[1] = ChannelByte(c.g);
        pixel[2] = ChannelByte(c.b);
        if (channels == PngChannels::Rgba) pixel[3] = ChannelByte(c.a);
      }
      png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
  } else {
    ok = false;
  }
  png_destroy_write_struct(png ? &png : nullptr, info ? &info : nullptr);
  if (std::fclose(file) != 0) ok = false;
  if (!ok) throw std::runtime_error("cannot write PNG " + path.string());
}
