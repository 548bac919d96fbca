#include "cli/input_output.h"

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

bool write_output(const char* command, BytesView out) {
  if (std::fwrite(out.data(), 1, out.size(), stdout) == out.size() && std::fflush(stdout) == 0) return true;
  std::fprintf(stderr, "quilm-cli %s: cannot write standard output\n", command);
  return false;
}

}  // namespace quilm::cli
