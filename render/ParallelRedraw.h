#pragma once

#include <functional>

// Threads a full redraw uses: one per core of the machine.
int redrawThreadCount();

// Calls drawBand(b) once for every band b in [0, bandCount), on `threads` threads: the calling
// thread and threads - 1 threads of a pool kept for the process. Each thread takes the next
// band not yet taken, so bands start in order. The calling thread first runs `alongside`
// (when given) while the pool threads already draw. Returns once every call has returned; the
// first exception thrown by any of them is then rethrown. Runs of several callers queue.
void drawBandsInParallel(int bandCount, int threads, const std::function<void(int)> &drawBand,
                         const std::function<void()> &alongside = {});
