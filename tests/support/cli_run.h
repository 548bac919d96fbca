// Runs quilm-cli (or any program) as a process in a test: standard input
// from a file of the temporary folder, standard output and error caught in
// it, the exit status returned.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "tests/support/temp_dir.h"

namespace quilm::test {

struct ProgramRun {
  int status;
  std::string out, err;
};

// `program` and `arguments` as a shell writes them; `input` is given on
// standard input.
inline ProgramRun run_program(const TempDir& dir, const std::string& program, const std::string& arguments,
                              BytesView input = {}) {
  dir.write("stdin", input);
  const std::string command = program + " " + arguments + " <" + (dir / "stdin").string() + " >" +
                              (dir / "stdout").string() + " 2>" + (dir / "stderr").string();
  const int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, dir.read("stdout"), dir.read("stderr")};
}

}  // namespace quilm::test
