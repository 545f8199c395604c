#include "net/content_hash.h"

#include <xxhash.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

std::uint64_t ContentTreeHash(const std::string& folder) {
  std::error_code error;
  std::vector<std::string> files;
  for (fs::recursive_directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (it->is_regular_file(error)) files.push_back(fs::relative(it->path(), folder, error).generic_string());
  }
  if (error) return 0;
  std::sort(files.begin(), files.end());

  std::unique_ptr<XXH3_state_t, decltype(&XXH3_freeState)> state(XXH3_createState(), &XXH3_freeState);
  XXH3_64bits_reset(state.get());
  std::vector<char> buffer(1 << 16);
  for (const std::string& name : files) {
    XXH3_64bits_update(state.get(), name.c_str(), name.size() + 1);
    std::ifstream in(fs::path(folder) / name, std::ios::binary);
    if (!in) return 0;
    std::uint64_t size = 0;
    while (in.read(buffer.data(), static_cast<std::streamsize>(buffer.size())) || in.gcount() > 0) {
      XXH3_64bits_update(state.get(), buffer.data(), static_cast<std::size_t>(in.gcount()));
      size += static_cast<std::uint64_t>(in.gcount());
    }
    XXH3_64bits_update(state.get(), &size, sizeof size);  // so bytes cannot shift between files
  }
  return XXH3_64bits_digest(state.get());
}
