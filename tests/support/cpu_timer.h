#pragma once
// The processor time this thread has used, in milliseconds: a time limit that other programs
// running beside the tests (a parallel test run, a build) do not stretch.

#include <ctime>

class ThreadCpuTimer {
 public:
  ThreadCpuTimer() : start_(now()) {}
  long long elapsedMs() const { return (now() - start_) / 1000000; }

 private:
  static long long now() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
  }
  long long start_;
};
