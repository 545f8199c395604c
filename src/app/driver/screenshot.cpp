#include "app/driver/screenshot.h"

#include <GL/gl.h>
#include <png.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/platform.h"

namespace {

bool WritePng(const std::string& path, int width, int height, const std::vector<unsigned char>& rgbTopDown,
              std::string& error) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) {
    error = "cannot write " + path;
    return false;
  }
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
  bool written = false;
  if (info != nullptr && setjmp(png_jmpbuf(png)) == 0) {
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int row = 0; row < height; ++row) {
      png_write_row(png, rgbTopDown.data() + static_cast<std::size_t>(row) * width * 3);
    }
    png_write_end(png, nullptr);
    written = true;
  }
  png_destroy_write_struct(&png, &info);
  if (std::fclose(file) != 0) written = false;
  if (!written) error = "PNG encoding failed for " + path;
  return written;
}

}  // namespace

bool SaveBackBufferPng(const std::string& path, std::string& error) {
  int width = 0;
  int height = 0;
  DrawableSize(width, height);
  if (width <= 0 || height <= 0) {
    error = "there is no window to read";
    return false;
  }
  GLboolean doubleBuffered = GL_FALSE;
  glGetBooleanv(GL_DOUBLEBUFFER, &doubleBuffered);
  glReadBuffer(doubleBuffered ? GL_BACK : GL_FRONT);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  std::vector<unsigned char> bottomUp(static_cast<std::size_t>(width) * height * 3);
  glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());

  const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
  std::vector<unsigned char> topDown(bottomUp.size());
  for (int row = 0; row < height; ++row) {
    std::copy_n(bottomUp.data() + (height - 1 - row) * rowBytes, rowBytes, topDown.data() + row * rowBytes);
  }
  return WritePng(path, width, height, topDown, error);
}
