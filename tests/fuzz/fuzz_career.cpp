#include <unistd.h>

#include <cstdio>
#include <string>

#include "fight/career_file.h"
#include "fuzz_check.h"

// The career file is read by path: each input is written to a private file first.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = "/tmp/brelloch_fuzz_career_" + std::to_string(getpid()) + ".inf";
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return 0;
  std::fwrite(data, 1, size, file);
  std::fclose(file);
  int values[3] = {7, 7, 7};
  FUZZ_CHECK(ReadCareerFile(path, values));
  std::remove(path.c_str());
  return 0;
}
