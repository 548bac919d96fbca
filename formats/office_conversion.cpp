#include "formats/office_conversion.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <thread>
#include <vector>

#include "common/file_io.h"

namespace quilm {
namespace {

namespace fs = std::filesystem;

constexpr auto kTimeLimit = std::chrono::minutes(2);

// A folder of our own under the temporary folder, removed with the object.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (fs::temp_directory_path() / "quilm-office-XXXXXX").string();
    if (::mkdtemp(pattern.data())) path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    if (!path_.empty()) fs::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  bool ok() const { return !path_.empty(); }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

// Runs the program with its arguments (no shell), its output to /dev/null;
// true when it ends with status 0 within the time limit.
bool run_quietly(const std::vector<std::string>& argv) {
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  const pid_t child = ::fork();
  if (child < 0) return false;
  if (child == 0) {
    const int null = ::open("/dev/null", O_RDWR);
    if (null >= 0) {
      ::dup2(null, 0);
      ::dup2(null, 1);
      ::dup2(null, 2);
    }
    ::execv(args[0], args.data());
    ::_exit(127);
  }
  const auto deadline = std::chrono::steady_clock::now() + kTimeLimit;
  int status = 0;
  for (;;) {
    const pid_t done = ::waitpid(child, &status, WNOHANG);
    if (done == child) break;
    if (done < 0 && errno != EINTR) return false;
    if (std::chrono::steady_clock::now() > deadline) {
      ::kill(child, SIGKILL);
      ::waitpid(child, &status, 0);
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// soffice --convert-to `filter` of `input`; the result lies in `folder`
// named as the input with `extension`.
Status convert(const fs::path& office, const ScratchFolder& folder, const fs::path& input, const std::string& filter,
               const std::string& extension, Bytes& out) {
  const fs::path profile = folder.path() / "profile";
  const fs::path result_folder = folder.path() / "out";
  std::error_code ignored;
  fs::create_directories(result_folder, ignored);
  const bool ran = run_quietly({office.string(), "--headless", "--norestore", "--nologo",
                                "-env:UserInstallation=file://" + profile.string(), "--convert-to", filter,
                                "--outdir", result_folder.string(), input.string()});
  const fs::path result = result_folder / (input.stem().string() + "." + extension);
  const std::optional<Bytes> bytes = ran ? read_file(result) : std::nullopt;
  if (!bytes) return Status::Error("LibreOffice could not convert the document to " + extension + ".");
  out = *bytes;
  return Status::Ok();
}

}  // namespace

fs::path find_office_program() {
  const char* path = std::getenv("PATH");
  if (!path) return {};
  const std::string dirs = path;
  std::size_t start = 0;
  while (start <= dirs.size()) {
    const std::size_t end = std::min(dirs.find(':', start), dirs.size());
    const fs::path candidate = fs::path(dirs.substr(start, end - start)) / "soffice";
    if (end > start && ::access(candidate.c_str(), X_OK) == 0) return candidate;
    start = end + 1;
  }
  return {};
}

std::string office_missing_message(const std::string& what) {
  return what + " needs LibreOffice, which is not installed. Install it with "
         "\"apt install libreoffice-writer-nogui\" and try again.";
}

Status office_to_rtf(BytesView bytes, const std::string& extension, Bytes& rtf) {
  const fs::path office = find_office_program();
  if (office.empty()) return Status::Error(office_missing_message("Opening a Word document"));
  ScratchFolder folder;
  if (!folder.ok()) return Status::Error("Cannot make a temporary folder for LibreOffice.");
  const fs::path input = folder.path() / ("document." + extension);
  if (Status s = write_file_atomically(input, bytes); !s) return s;
  return convert(office, folder, input, "rtf", "rtf", rtf);
}

Status office_from_rtf(BytesView rtf, const std::string& filter, const std::string& extension, Bytes& out) {
  const fs::path office = find_office_program();
  if (office.empty()) {
    return Status::Error(office_missing_message(extension == "pdf" ? "Saving as PDF" : "Saving a Word document"));
  }
  ScratchFolder folder;
  if (!folder.ok()) return Status::Error("Cannot make a temporary folder for LibreOffice.");
  const fs::path input = folder.path() / "document.rtf";
  if (Status s = write_file_atomically(input, rtf); !s) return s;
  return convert(office, folder, input, filter, extension, out);
}

}  // namespace quilm
