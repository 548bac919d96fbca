// Without libFuzzer a fuzz target is built with this main, which hands it
// every file of the folders (or the files) named on the command line once.
// The normal test run replays the seeds and every input that once crashed
// a target, so a fixed fault stays fixed.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> inputs_of(const fs::path& arg) {
  if (!fs::is_directory(arg)) return {arg};
  std::vector<fs::path> files;
  for (const auto& entry : fs::recursive_directory_iterator(arg))
    if (entry.is_regular_file()) files.push_back(entry.path());
  return files;
}

bool replay(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "cannot read %s\n", file.c_str());
    return false;
  }
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::printf("%s\n", file.c_str());
  std::fflush(stdout);  // names the input if it crashes
  LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  int replayed = 0;
  for (int i = 1; i < argc; ++i)
    for (const fs::path& file : inputs_of(argv[i])) {
      if (!replay(file)) return 1;
      ++replayed;
    }
  std::printf("%d inputs replayed\n", replayed);
  return 0;
}
