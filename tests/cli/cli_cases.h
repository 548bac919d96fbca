// Tables of quilm-cli runs: the arguments, standard input, and what the
// program must answer. What every run owes its user is checked for each
// case: success is silent on stderr unless the case says otherwise; bad
// input (1) and a usage error (2) say so in exactly one line that names
// the subcommand, and leave the case's folder as it was (nothing written,
// no temporary file left behind); a usage error prints nothing on stdout.
#pragma once

#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "common/bytes.h"
#include "tests/support/program_run.h"
#include "tests/support/temp_dir.h"

namespace quilm::test {

inline constexpr int kOk = 0, kBadInput = 1, kUsage = 2;

struct CliCase {
  const char* label = "";
  std::vector<std::string> args = {};  // "{dir}" stands for the case's folder
  Bytes input = {};                    // standard input
  int status = kOk;
  std::optional<Bytes> out = {};  // standard output, when the case checks it
  // With status 0 the whole of stderr; otherwise a part of its one line.
  std::string err = {};
};

// `text` with "{dir}" replaced by `dir`'s path.
std::string with_folder(std::string text, const TempDir& dir);

// quilm-cli with these arguments ("{dir}" replaced by `dir`'s path).
ProgramRun run_cli(const std::vector<std::string>& args, BytesView input = {}, const TempDir* dir = nullptr);

// The subcommands `quilm-cli --help` lists: the first word of each indented line.
std::set<std::string> listed_subcommands();

// Runs every case in `dir` and checks it as the header says.
void expect_cli_cases(std::span<const CliCase> cases, const TempDir& dir);

}  // namespace quilm::test
