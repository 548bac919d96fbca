#include "tests/cli/cli_cases.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

namespace quilm::test {
namespace {

// Every file under the folder with its contents.
std::map<std::string, Bytes> contents(const TempDir& dir) {
  std::map<std::string, Bytes> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.path()))
    if (entry.is_regular_file())
      files[entry.path().lexically_relative(dir.path()).string()] = dir.read(entry.path().lexically_relative(dir.path()));
  return files;
}

// "quilm-cli convert: ..." for a subcommand, "quilm-cli: ..." without one.
std::string message_start(const std::vector<std::string>& args) {
  static const std::set<std::string> subcommands = listed_subcommands();
  if (args.empty() || !subcommands.contains(args[0])) return "quilm-cli: ";
  return "quilm-cli " + args[0] + ": ";
}

}  // namespace

std::string with_folder(std::string text, const TempDir& dir) {
  for (std::size_t at; (at = text.find("{dir}")) != std::string::npos;) text.replace(at, 5, dir.path().string());
  return text;
}

std::set<std::string> listed_subcommands() {
  std::set<std::string> names;
  std::istringstream lines(run_cli({"--help"}).out);
  for (std::string line; std::getline(lines, line);) {
    if (!line.starts_with("  ")) continue;
    std::istringstream words(line);
    std::string name;
    words >> name;
    names.insert(name);
  }
  return names;
}

ProgramRun run_cli(const std::vector<std::string>& args, BytesView input, const TempDir* dir) {
  std::vector<std::string> resolved;
  for (const std::string& a : args) resolved.push_back(dir ? with_folder(a, *dir) : a);
  return run_program(QUILM_CLI, resolved, input);
}

void expect_cli_cases(std::span<const CliCase> cases, const TempDir& dir) {
  for (const CliCase& c : cases) {
    std::string command = "quilm-cli";
    for (const std::string& a : c.args) command += " " + a;
    SCOPED_TRACE(std::string(c.label) + " [" + command + "]");
    const auto before = contents(dir);
    const ProgramRun run = run_cli(c.args, c.input, &dir);
    EXPECT_EQ(run.status, c.status) << run.err;
    if (c.out) {
      EXPECT_EQ(run.out, *c.out);
    }
    if (c.status == kOk) {
      EXPECT_EQ(run.err, c.err);
      continue;
    }
    EXPECT_EQ(line_count(run.err), 1u) << run.err;
    EXPECT_TRUE(run.err.starts_with(message_start(c.args))) << run.err;
    EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    EXPECT_TRUE(contents(dir) == before) << "the folder changed";
    if (c.status == kUsage) {
      EXPECT_EQ(run.out, "");
    }
  }
}

}  // namespace quilm::test
