#include "bench/child_process.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>

namespace bench_support {
namespace {
double Milliseconds(const timeval& t) { return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3; }
}  // namespace

std::optional<ProcessCost> RunProcess(const std::vector<std::string>& argv, const std::string& folder,
                                      const std::vector<std::string>& environment) {
  // Everything the child needs is made before the fork: it only calls async-signal-safe functions.
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  std::vector<char*> env;
  // The given entries first: they win over the same names in this process's environment.
  for (const std::string& entry : environment) env.push_back(const_cast<char*>(entry.c_str()));
  for (char** entry = environ; *entry; ++entry) env.push_back(*entry);
  env.push_back(nullptr);
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child < 0) return std::nullopt;
  if (child == 0) {
    const int null = open("/dev/null", O_WRONLY);
    if (null < 0 || dup2(null, STDOUT_FILENO) < 0 || dup2(null, STDERR_FILENO) < 0 || chdir(folder.c_str()) != 0)
      _exit(127);
    execve(args[0], args.data(), env.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child) return std::nullopt;
  const auto end = std::chrono::steady_clock::now();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
  return ProcessCost{std::chrono::duration<double, std::milli>(end - start).count(),
                     Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime)};
}

}  // namespace bench_support
