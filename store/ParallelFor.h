#pragma once
// Runs count independent jobs on the machine's cores: job(i) for every i
// below count, each exactly once, in no particular order, and returns when
// all are done. Jobs must not throw. Few or no cores, or a single job, run
// on the calling thread alone.

#include <cstddef>
#include <functional>

void ParallelFor(size_t count, const std::function<void(size_t)>& job);
