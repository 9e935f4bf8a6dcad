#include "render/ParallelRedraw.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <stop_token>
#include <thread>
#include <vector>

#ifdef __linux__
#include <sched.h>
#endif

namespace {

// Threads that wait for work and run it; the calling thread works along with them.
class ThreadTeam {
public:
    // Runs work() on `helpers` pool threads and on the calling thread (after `first`). Helpers
    // that have not started by the time the calling thread's work() returns are not started.
    void run(int helpers, const std::function<void()> &work, const std::function<void()> &first)
    {
        const std::lock_guard oneRun(m_runMutex);
        {
            const std::lock_guard lock(m_mutex);
            while (int(m_threads.size()) < helpers)
                m_threads.emplace_back([this](std::stop_token stop) { serve(stop); });
            m_work = &work;
            m_toStart = helpers;
        }
        m_wake.notify_all();
        std::exception_ptr failure;
        try {
            if (first)
                first();
            work();
        } catch (...) {
            failure = std::current_exception();
        }
        std::unique_lock lock(m_mutex);
        m_toStart = 0;
        m_idle.wait(lock, [this] { return m_running == 0; });
        m_work = nullptr;
        if (failure)
            std::rethrow_exception(failure);
    }

private:
    void serve(std::stop_token stop)
    {
        std::unique_lock lock(m_mutex);
        while (m_wake.wait(lock, stop, [this] { return m_toStart > 0; })) {
            --m_toStart;
            ++m_running;
            const std::function<void()> &work = *m_work;
            lock.unlock();
            work(); // does not throw: the caller's work catches
            lock.lock();
            if (--m_running == 0)
                m_idle.notify_all();
        }
    }

    std::mutex m_runMutex;
    std::mutex m_mutex;
    std::condition_variable_any m_wake;
    std::condition_variable m_idle;
    const std::function<void()> *m_work = nullptr;
    int m_toStart = 0;
    int m_running = 0;
    std::vector<std::jthread> m_threads; // last: joined before the rest goes
};

} // namespace

namespace {

thread_local int redrawThreadLimit = 0;

} // namespace

int redrawThreadCount()
{
    static const int count = [] {
#ifdef __linux__
        // The cores this process may run on (taskset, a container's share), not the machine's.
        cpu_set_t cores;
        if (sched_getaffinity(0, sizeof(cores), &cores) == 0)
            return std::max(1, CPU_COUNT(&cores));
#endif
        return int(std::max(1u, std::thread::hardware_concurrency()));
    }();
    return redrawThreadLimit > 0 ? std::min(count, redrawThreadLimit) : count;
}

void limitRedrawThreads(int threads)
{
    redrawThreadLimit = threads;
}

void runInParallel(int count, int threads, const std::function<void(int)> &task,
                   const std::function<void()> &alongside)
{
    threads = std::clamp(threads, 1, std::max(count, 1));
    if (threads == 1) {
        if (alongside)
            alongside();
        for (int i = 0; i < count; ++i)
            task(i);
        return;
    }
    std::atomic<int> next{0};
    std::mutex failureMutex;
    std::exception_ptr failure;
    const std::function<void()> work = [&] {
        try {
            for (int i = next.fetch_add(1, std::memory_order_relaxed); i < count;
                 i = next.fetch_add(1, std::memory_order_relaxed))
                task(i);
        } catch (...) {
            const std::lock_guard lock(failureMutex);
            if (!failure)
                failure = std::current_exception();
            next.store(count, std::memory_order_relaxed); // the others stop after their task
        }
    };
    static ThreadTeam team;
    team.run(threads - 1, work, alongside);
    if (failure)
        std::rethrow_exception(failure);
}
