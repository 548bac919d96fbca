#include "cli/input_output.h"

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "common/file_io.h"

namespace quilm::cli {
namespace {

// Reads standard input to its end straight into `input`, in large blocks:
// a redirected file in one piece, as large as the file is.
bool read_all_of_stdin(Bytes& input) {
  constexpr std::size_t kBlock = 1 << 20;
  struct stat file{};
  std::size_t room = kBlock;
  if (fstat(STDIN_FILENO, &file) == 0 && S_ISREG(file.st_mode) && file.st_size > 0)
    room = static_cast<std::size_t>(file.st_size) + 1;  // one more, to meet the end without growing
  std::size_t size = input.size();
  input.resize(size + room);
  for (;;) {
    if (size == input.size()) input.resize(size + std::max(kBlock, size));
    ssize_t got;
    do got = ::read(STDIN_FILENO, input.data() + size, input.size() - size);
    while (got < 0 && errno == EINTR);
    if (got <= 0) {
      input.resize(size);
      return got == 0;
    }
    size += static_cast<std::size_t>(got);
  }
}

}  // namespace

std::optional<Bytes> read_input(const char* command, const std::string& file) {
  if (!file.empty() && file != "-") {
    std::optional<Bytes> text = read_file(file);
    if (!text) std::fprintf(stderr, "quilm-cli %s: cannot read %s\n", command, file.c_str());
    return text;
  }
  Bytes input;
  if (!read_all_of_stdin(input)) {
    std::fprintf(stderr, "quilm-cli %s: cannot read standard input\n", command);
    return std::nullopt;
  }
  return input;
}

std::optional<StandardInput> StandardInput::read(const char* command) {
  StandardInput in;
  struct stat st {};
  const int fd = fileno(stdin);
  if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0 && lseek(fd, 0, SEEK_CUR) == 0) {
    void* mapped = mmap(nullptr, static_cast<std::size_t>(st.st_size), PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
    if (mapped != MAP_FAILED) {
      in.mapped_ = mapped;
      in.size_ = static_cast<std::size_t>(st.st_size);
      return in;
    }
  }
  std::optional<Bytes> text = read_input(command, "");
  if (!text) return std::nullopt;
  in.read_ = std::move(*text);
  return in;
}

StandardInput::StandardInput(StandardInput&& other) noexcept
    : mapped_(other.mapped_), size_(other.size_), read_(std::move(other.read_)) {
  other.mapped_ = nullptr;
}

StandardInput::~StandardInput() {
  if (mapped_) munmap(mapped_, size_);
}

bool write_output(const char* command, BytesView out) {
  if (std::fwrite(out.data(), 1, out.size(), stdout) == out.size() && std::fflush(stdout) == 0) return true;
  std::fprintf(stderr, "quilm-cli %s: cannot write standard output\n", command);
  return false;
}

}  // namespace quilm::cli
