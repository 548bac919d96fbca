#include "tests/support/program_run.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

#include "tests/support/temp_dir.h"

extern char** environ;

namespace quilm::test {
namespace {

// Standard input, output and error as files in `dir`: no pipe can fill up
// while the program runs.
class Redirection {
 public:
  explicit Redirection(const TempDir& dir) : dir_(dir) { posix_spawn_file_actions_init(&actions_); }
  ~Redirection() { posix_spawn_file_actions_destroy(&actions_); }
  Redirection(const Redirection&) = delete;
  Redirection& operator=(const Redirection&) = delete;

  void add(int fd, const std::string& name, int flags) {
    paths_.push_back((dir_ / name).string());
    posix_spawn_file_actions_addopen(&actions_, fd, paths_.back().c_str(), flags, 0600);
  }
  const posix_spawn_file_actions_t* actions() const { return &actions_; }

 private:
  const TempDir& dir_;
  std::vector<std::string> paths_;  // kept alive until the spawn
  posix_spawn_file_actions_t actions_;
};

}  // namespace

ProgramRun run_program(const std::string& program, const std::vector<std::string>& args, BytesView input) {
  TempDir dir;
  dir.write("stdin", input);
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);

  ProgramRun run;
  {
    Redirection redirection(dir);
    redirection.add(0, "stdin", O_RDONLY);
    redirection.add(1, "stdout", O_WRONLY | O_CREAT | O_TRUNC);
    redirection.add(2, "stderr", O_WRONLY | O_CREAT | O_TRUNC);
    pid_t pid;
    if (posix_spawn(&pid, program.c_str(), redirection.actions(), nullptr, argv.data(), environ) != 0)
      throw std::runtime_error("cannot start " + program);
    int raw = 0;
    while (::waitpid(pid, &raw, 0) < 0 && errno == EINTR) {
    }
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  }
  run.out = dir.read("stdout");
  run.err = dir.read("stderr");
  return run;
}

std::size_t line_count(BytesView text) { return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')); }

}  // namespace quilm::test
