#include "data/Parallel.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace lumaret::data {

unsigned ChosenThreadCount(unsigned requested) {
  if (requested > 0) return requested;
  if (const char* text = std::getenv("LUMARET_THREADS"); text && *text) {
    unsigned value = 0;
    const char* end = text + std::strlen(text);
    const auto [at, ec] = std::from_chars(text, end, value);
    if (ec == std::errc() && at == end && value > 0) return value;
  }
  return std::max(1u, std::thread::hardware_concurrency());
}

void ParallelFor(std::size_t count, unsigned threads, const std::function<void(std::size_t)>& work) {
  const std::size_t workers = std::min<std::size_t>(std::max(1u, threads), count);
  if (workers <= 1) {
    for (std::size_t i = 0; i < count; ++i) work(i);
    return;
  }
  std::atomic<std::size_t> next{0};
  std::atomic<bool> failed{false};
  std::exception_ptr firstError;
  std::mutex errorMutex;
  auto run = [&] {
    for (std::size_t i = next++; i < count && !failed; i = next++) {
      try {
        work(i);
      } catch (...) {
        std::lock_guard lock(errorMutex);
        if (!firstError) firstError = std::current_exception();
        failed = true;
      }
    }
  };
  std::vector<std::thread> pool;
  pool.reserve(workers - 1);
  for (std::size_t t = 1; t < workers; ++t) pool.emplace_back(run);
  run();
  for (std::thread& thread : pool) thread.join();
  if (firstError) std::rethrow_exception(firstError);
}

}  // namespace lumaret::data
