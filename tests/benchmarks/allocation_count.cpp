#include "benchmarks/allocation_count.h"

#include <atomic>
#include <cstddef>

namespace {
std::atomic<long long> allocations{0};
}

long long allocationCount() { return allocations.load(std::memory_order_relaxed); }

// glibc's own allocator, under the name it keeps for programs that count their allocations.
extern "C" void* __libc_malloc(std::size_t size);

extern "C" void* malloc(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  return __libc_malloc(size);
}
