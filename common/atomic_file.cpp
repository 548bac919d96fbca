// Crash-safe replacement of a file: temporary file, fsync, rename, fsync of the folder.
#include <cctype>
#include <cerrno>
#include <chrono>
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

// The temporary file of a save of `name`: "." + name + "." + six characters.
std::string temporary_prefix(const std::filesystem::path& path) { return "." + path.filename().string() + "."; }

bool is_temporary_of(const std::string& entry, const std::string& prefix) {
  constexpr std::size_t kRandomPart = 6;  // mkstemp's XXXXXX
  if (entry.size() != prefix.size() + kRandomPart || entry.compare(0, prefix.size(), prefix) != 0) return false;
  for (std::size_t i = prefix.size(); i < entry.size(); ++i)
    if (!std::isalnum(static_cast<unsigned char>(entry[i]))) return false;
  return true;
}

// A save that was killed before its rename leaves its temporary file; the
// next save of the same file removes those that are too old to belong to a
// save still under way. Failures here change nothing that matters.
void remove_stale_temporaries(const std::filesystem::path& path) {
  constexpr auto kStale = std::chrono::hours(1);
  const std::string prefix = temporary_prefix(path);
  const std::filesystem::path folder = path.parent_path().empty() ? "." : path.parent_path();
  std::error_code ec;
  const auto now = std::filesystem::file_time_type::clock::now();
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    if (!is_temporary_of(entry.path().filename().string(), prefix)) continue;
    std::error_code entry_ec;
    if (!entry.is_regular_file(entry_ec)) continue;
    const auto written = entry.last_write_time(entry_ec);
    if (!entry_ec && now - written > kStale) std::filesystem::remove(entry.path(), entry_ec);
  }
}

// The contents written to a fresh temporary file beside `path`, flushed to
// disk; its name goes to `temp`.
Status write_temporary(const std::filesystem::path& path, BytesView contents, std::filesystem::path& temp) {
  const std::filesystem::path folder = path.parent_path();
  std::string pattern = (folder / (temporary_prefix(path) + "XXXXXX")).string();
  int fd = ::mkstemp(pattern.data());
  if (fd < 0) return Status::Error(error_text(path, "create a temporary file beside"));
  temp = pattern;
  ::fchmod(fd, mode_for(path) | S_IWUSR);

  if (!write_all(fd, contents) || ::fsync(fd) != 0) {
    Status failure = Status::Error(error_text(path, "write"));
    ::close(fd);
    ::unlink(temp.c_str());
    return failure;
  }
  ::close(fd);
  return Status::Ok();
}

}  // namespace

Status write_file_atomically(const std::filesystem::path& path, BytesView contents) {
  std::filesystem::path temp;
  if (Status st = write_temporary(path, contents, temp); !st) return st;
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    Status failure = Status::Error(error_text(path, "replace"));
    ::unlink(temp.c_str());
    return failure;
  }
  sync_folder(path.parent_path());
  remove_stale_temporaries(path);
  return Status::Ok();
}

Status create_file_atomically(const std::filesystem::path& path, BytesView contents) {
  std::filesystem::path temp;
  if (Status st = write_temporary(path, contents, temp); !st) return st;
  // A hard link, unlike a rename, never replaces a file that is there.
  const bool linked = ::link(temp.c_str(), path.c_str()) == 0;
  Status result = linked ? Status::Ok() : Status::Error(error_text(path, "create"));
  ::unlink(temp.c_str());
  if (linked) sync_folder(path.parent_path());
  return result;
}

}  // namespace quilm
