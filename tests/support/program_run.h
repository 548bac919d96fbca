// Runs a program of this project as a user would: arguments passed as they
// are (no shell), standard input from bytes, standard output and error
// caught, the exit status read.
#pragma once

#include <string>
#include <vector>

#include "common/bytes.h"

namespace quilm::test {

struct ProgramRun {
  int status = -1;  // the exit status; -1 when a signal ended the program
  Bytes out, err;
};

ProgramRun run_program(const std::string& program, const std::vector<std::string>& args, BytesView input = {});

// The lines of `text`, counted by their line ends.
std::size_t line_count(BytesView text);

}  // namespace quilm::test
