#pragma once

#include <cstddef>
#include <functional>

namespace lumaret::data {

// The number of worker threads for batch work: `requested` when it is above 0, else
// $LUMARET_THREADS when it holds a positive number, else every core of the machine.
unsigned ChosenThreadCount(unsigned requested);

// Runs work(0) ... work(count - 1), each exactly once, on up to `threads` threads (the
// calling thread among them) and returns when all have run. With one thread (or one
// item) everything runs on the calling thread in index order. The first exception a
// work item throws is rethrown here once every thread has stopped.
void ParallelFor(std::size_t count, unsigned threads, const std::function<void(std::size_t)>& work);

}  // namespace lumaret::data
