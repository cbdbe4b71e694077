#pragma once
// The line a program started by the benchmark writes at the first idle moment of its event
// loop: the time (microseconds since the epoch), then its resident and proportional set sizes
// in KiB, or -1 where the system does not tell them. Plain C++, so that the bare Qt programs
// the benchmark measures beside the application write the same line.

namespace platform {

void printIdleReport();

}  // namespace platform
