#pragma once

#include <functional>

// Threads a full redraw uses: one per core the process may run on, or fewer on a thread that set
// a limit.
int redrawThreadCount();
// The most threads redraws started on the calling thread use (0: no limit): for work that runs
// on every core already, one picture per thread.
void limitRedrawThreads(int threads);

// Calls task(i) once for every i in [0, count), on `threads` threads: the calling thread and
// threads - 1 threads of a pool kept for the process. Each thread takes the next i not yet
// taken, so tasks start in order. The calling thread first runs `alongside` (when given) while
// the pool threads already work. Returns once every call has returned; the first exception
// thrown by any of them is then rethrown. Runs of several callers queue.
void runInParallel(int count, int threads, const std::function<void(int)> &task,
                   const std::function<void()> &alongside = {});
