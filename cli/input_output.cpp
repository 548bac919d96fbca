#include "cli/input_output.h"

#include <sys/mman.h>
#include <sys/stat.h>

#include <cstdio>

#include "common/file_io.h"

namespace quilm::cli {

std::optional<Bytes> read_input(const char* command, const std::string& file) {
  if (!file.empty() && file != "-") {
    std::optional<Bytes> text = read_file(file);
    if (!text) std::fprintf(stderr, "quilm-cli %s: cannot read %s\n", command, file.c_str());
    return text;
  }
  Bytes input;
  char buffer[1 << 16];
  for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, stdin)) > 0;) input.append(buffer, got);
  if (std::ferror(stdin)) {
    std::fprintf(stderr, "quilm-cli %s: cannot read standard input\n", command);
    return std::nullopt;
  }
  return input;
}

std::optional<StandardInput> StandardInput::read(const char* command) {
  StandardInput in;
  struct stat st {};
  const int fd = fileno(stdin);
  if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0 && std::ftell(stdin) == 0) {
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
