#include "platform/idle_report.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace platform {

namespace {

struct Memory {
  long long rssKiB = -1;
  long long pssKiB = -1;
};

// Linux sums the process's mappings in one file; elsewhere the sizes stay unknown.
Memory ownMemory() {
  Memory memory;
  std::ifstream rollup("/proc/self/smaps_rollup");
  std::string line;
  while (std::getline(rollup, line)) {
    std::istringstream fields(line);
    std::string key;
    long long kib = -1;
    fields >> key >> kib;
    if (key == "Rss:") memory.rssKiB = kib;
    if (key == "Pss:") memory.pssKiB = kib;
  }
  return memory;
}

}  // namespace

void printIdleReport() {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  const Memory memory = ownMemory();
  std::printf("%lld %lld %lld\n",
              static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()), memory.rssKiB,
              memory.pssKiB);
  std::fflush(stdout);
}

}  // namespace platform
