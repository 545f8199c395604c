#include "app/atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

bool WriteAll(int descriptor, const char* bytes, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(descriptor, bytes, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

bool Fail(const std::string& path, const std::string& temporary, int error) {
  if (!temporary.empty()) ::unlink(temporary.c_str());
  // A new file (a replay, a first save) has no previous one to keep.
  const bool kept = ::access(path.c_str(), F_OK) == 0;
  std::fprintf(stderr, "Could not save %s (%s)%s\n", path.c_str(), std::strerror(error),
               kept ? "; the previous file is kept." : ".");
  return false;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, const void* bytes, std::size_t size) {
  const std::string temporary = path + ".tmp";
  const int file = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (file < 0) return Fail(path, "", errno);
  // The data must be on the disk before the rename: otherwise a power cut can leave the new name
  // pointing at an empty file.
  if (!WriteAll(file, static_cast<const char*>(bytes), size) || ::fsync(file) != 0) {
    const int error = errno;
    ::close(file);
    return Fail(path, temporary, error);
  }
  if (::close(file) != 0) return Fail(path, temporary, errno);
  if (std::rename(temporary.c_str(), path.c_str()) != 0) return Fail(path, temporary, errno);
  // The rename lives in the folder: flush it so the new file is the one found after a power cut.
  // The file is already whole under its name, so a folder that cannot be flushed is no failure.
  const int folder = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    ::fsync(folder);
    ::close(folder);
  }
  return true;
}
