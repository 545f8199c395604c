#include "fight/career_file.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "app/atomic_file.h"

namespace {

std::uint32_t FromLittleEndian(const unsigned char (&bytes)[4]) {
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

void ToLittleEndian(std::uint32_t value, char* bytes) {
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

bool ReadCareerFile(const std::string& path, int (&values)[3]) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  for (int& value : values) {
    unsigned char bytes[4];
    if (file.read(reinterpret_cast<char*>(bytes), 4)) {
      value = static_cast<std::int32_t>(FromLittleEndian(bytes));
    } else {
      value = -1;
    }
  }
  return true;
}

bool WriteCareerFile(const std::string& path, const int (&values)[3]) {
  const std::filesystem::path target(path);
  std::error_code ignored;
  if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), ignored);

  char bytes[12];
  for (int i = 0; i < 3; ++i) ToLittleEndian(static_cast<std::uint32_t>(values[i]), bytes + 4 * i);
  return WriteFileAtomically(path, bytes, sizeof bytes);
}

bool CareerValuesInRange(const int (&values)[3]) {
  return values[0] >= 0 && values[0] <= 7 && values[1] >= 1 && values[1] <= 7 && values[2] >= 1 && values[2] <= 5;
}
