#pragma once

#include <QThread>
#include <QtGlobal>

#include <thread>
#include <vector>

namespace base {

// Runs work(onCallingThread) on the calling thread and on helper threads beside it, one
// per core up to maxThreads in all, and returns when every run has ended. Each run takes
// its share of the work from a counter of its own; the calling thread's run is the one
// that may report progress.
template <class Work>
void RunOnCores(int maxThreads, const Work& work)
{
    std::vector<std::thread> helpers;
    const int threads = qBound(1, QThread::idealThreadCount(), maxThreads);
    for (int i = 1; i < threads; ++i)
        helpers.emplace_back(work, false);
    work(true);
    for (std::thread& helper : helpers)
        helper.join();
}

} // namespace base
