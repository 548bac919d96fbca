// Killing the program while it saves never leaves a damaged file: whenever
// the save loop is killed (SIGKILL, so nothing of the process runs after),
// each kind of file the program rewrites holds either its old contents or a
// complete new version.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include "tests/reliability/save_generations.h"
#include "tests/support/temp_dir.h"

namespace quilm::test {
namespace {

namespace fs = std::filesystem;

constexpr int kKillsPerKind = 25;

// Starts the save loop and returns once it is ready to save.
pid_t start_save_loop(const char* kind, const fs::path& path) {
  int ready[2];
  if (::pipe(ready) != 0) return -1;
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(ready[1], STDOUT_FILENO);
    ::execl(QUILM_SAVE_LOOP, QUILM_SAVE_LOOP, kind, path.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  ::close(ready[1]);
  char first = 0;
  while (::read(ready[0], &first, 1) < 0 && errno == EINTR) {
  }
  ::close(ready[0]);
  return pid;
}

// Kills the loop and says whether it was still running, as it must be: a
// loop that stopped by itself saved nothing more.
bool kill_save_loop(pid_t pid) {
  ::kill(pid, SIGKILL);
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

// Delays from a few microseconds (the first save under way) to tens of
// milliseconds (many saves done), spread so that kills land at many points
// of a save.
std::chrono::microseconds kill_delay(int i) { return std::chrono::microseconds(5 + (i * 7919) % 40000); }

TEST(CrashSafeSaving, KilledWhileSavingLeavesOldOrNewFileWhole) {
  for (const SavedFileKind& kind : saved_file_kinds()) {
    SCOPED_TRACE(kind.name);
    TempDir dir;
    const fs::path path = dir / (kind.file == SavedFile::Settings ? "filearch" : "saved");
    const Status first = save_generation(kind.file, path, 0);
    ASSERT_TRUE(first) << first.message();
    int newest_seen = 0;
    for (int i = 0; i < kKillsPerKind; ++i) {
      const pid_t pid = start_save_loop(kind.name, path);
      ASSERT_GT(pid, 0);
      std::this_thread::sleep_for(kill_delay(i));
      ASSERT_TRUE(kill_save_loop(pid)) << "the save loop ended by itself";
      const GenerationCheck check = check_generation(kind.file, path);
      ASSERT_TRUE(check.status) << "after a kill at " << kill_delay(i).count() << " us: " << check.status.message();
      newest_seen = std::max(newest_seen, check.generation);
    }
    // Else the kills all came before the first save and proved nothing.
    EXPECT_GT(newest_seen, 0);
  }
}

}  // namespace
}  // namespace quilm::test
