#pragma once
// Runs a whole program as a user starts it and tells what it cost: the wall time from
// start to exit and the CPU time (user and system) of that process alone.
#include <optional>
#include <string>
#include <vector>

namespace bench_support {

struct ProcessCost {
  double wall_ms = 0;
  double cpu_ms = 0;
};

// Starts argv[0] with its arguments in folder, with the extra environment entries
// ("NAME=value") added, its output discarded, and waits for it. Nothing when it cannot
// start or ends with an exit status other than 0.
std::optional<ProcessCost> RunProcess(const std::vector<std::string>& argv, const std::string& folder,
                                      const std::vector<std::string>& environment = {});

}  // namespace bench_support
