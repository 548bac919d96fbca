// Crash-safe replacement of a file: temporary file, fsync, rename, fsync of the folder.
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "common/file_io.h"

namespace quilm {
namespace {

std::string error_text(const std::filesystem::path& path, const char* what) {
  return std::string("Cannot ") + what + " \"" + path.string() + "\": " + std::strerror(errno);
}

bool write_all(int fd, BytesView contents) {
  std::size_t done = 0;
  while (done < contents.size()) {
    ssize_t n = ::write(fd, contents.data() + done, contents.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

void sync_folder(const std::filesystem::path& folder) {
  int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
}

// A new file keeps the permission bits of the file it replaces.
mode_t mode_for(const std::filesystem::path& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
  return 0644;
}

}  // namespace

Status write_file_atomically(const std::filesystem::path& path, BytesView contents) {
  const std::filesystem::path folder = path.parent_path();
  std::string pattern = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
  int fd = ::mkstemp(pattern.data());
  if (fd < 0) return Status::Error(error_text(path, "create a temporary file beside"));
  const std::filesystem::path temp(pattern);
  ::fchmod(fd, mode_for(path) | S_IWUSR);

  if (!write_all(fd, contents) || ::fsync(fd) != 0) {
    Status failure = Status::Error(error_text(path, "write"));
    ::close(fd);
    ::unlink(temp.c_str());
    return failure;
  }
  ::close(fd);
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    Status failure = Status::Error(error_text(path, "replace"));
    ::unlink(temp.c_str());
    return failure;
  }
  sync_folder(folder);
  return Status::Ok();
}

}  // namespace quilm
