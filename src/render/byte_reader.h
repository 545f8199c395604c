#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

// Little-endian reads over a byte buffer that never leave it: a read past the end fails and
// leaves the reader failed, so a parser can check once after a group of reads.
class ByteReader {
 public:
  ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  std::size_t Size() const { return size_; }
  std::size_t Position() const { return position_; }
  std::size_t Remaining() const { return position_ <= size_ ? size_ - position_ : 0; }
  bool Ok() const { return ok_; }
  // The bytes from the current position on (Remaining() of them).
  const std::uint8_t* Here() const { return data_ + (position_ <= size_ ? position_ : size_); }

  // Moves to an absolute position; false (and failed) when it lies beyond the end.
  bool Seek(long long position) {
    if (position < 0 || static_cast<unsigned long long>(position) > size_) return ok_ = false;
    position_ = static_cast<std::size_t>(position);
    return ok_;
  }
  // Whether `count` records of `recordSize` bytes fit from here (counts may be hostile).
  bool Fits(long long count, long long recordSize) const {
    if (count < 0 || recordSize < 0) return false;
    if (recordSize != 0 && static_cast<unsigned long long>(count) > Remaining() / static_cast<unsigned long long>(recordSize)) return false;
    return true;
  }
  bool Skip(std::size_t count) {
    if (count > Remaining()) return ok_ = false;
    position_ += count;
    return ok_;
  }
  bool Bytes(void* out, std::size_t count) {
    if (count > Remaining()) {
      std::memset(out, 0, count);
      return ok_ = false;
    }
    std::memcpy(out, data_ + position_, count);
    position_ += count;
    return ok_;
  }
  // Without a copy: pictures are read a byte at a time.
  std::uint8_t U8() {
    if (position_ >= size_) {
      ok_ = false;
      return 0;
    }
    return data_[position_++];
  }
  std::int8_t I8() { return static_cast<std::int8_t>(U8()); }
  std::uint16_t U16() {
    std::uint8_t b[2];
    Bytes(b, 2);
    return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
  }
  std::int16_t I16() { return static_cast<std::int16_t>(U16()); }
  std::uint32_t U32() {
    std::uint8_t b[4];
    Bytes(b, 4);
    return std::uint32_t(b[0]) | (std::uint32_t(b[1]) << 8) | (std::uint32_t(b[2]) << 16) | (std::uint32_t(b[3]) << 24);
  }
  std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
  float F32() {
    const std::uint32_t bits = U32();
    float v;
    std::memcpy(&v, &bits, 4);
    return v;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t position_ = 0;
  bool ok_ = true;
};
