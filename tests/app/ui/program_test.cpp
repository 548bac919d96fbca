// quilm run from a terminal as a user starts it.
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/support/program_run.h"

namespace quilm::test {
namespace {

// --help answers without a display: the window never starts.
TEST(Program, HelpPrintsTheUsageWithoutStartingTheWindow) {
  for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) ::unsetenv(variable);
  for (const char* help : {"--help", "-h"}) {
    SCOPED_TRACE(help);
    const ProgramRun run = run_program(QUILM_PROGRAM, {help});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.out.starts_with("usage: quilm ")) << run.out;
    EXPECT_NE(run.out.find("quilm-cli"), std::string::npos) << run.out;
    EXPECT_EQ(run.err, "");
  }
}

}  // namespace
}  // namespace quilm::test
