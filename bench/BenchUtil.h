#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <functional>

// Small helpers for benchmarks that compare a command with the floor measured beside it.
namespace bench {

struct Stats {
    double median = 0;
    double p10 = 0;
    double p90 = 0;
};

inline Stats summarise(QList<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const auto at = [&](double q) {
        return samples.at(qBound<qsizetype>(0, qsizetype(q * (samples.size() - 1) + 0.5), samples.size() - 1));
    };
    return {at(0.5), at(0.1), at(0.9)};
}

// Runs setup (untimed) then body (timed) repetitions times; milliseconds per run.
inline QList<double> sample(int repetitions, const std::function<void()>& setup, const std::function<void()>& body)
{
    QList<double> samples;
    for (int i = 0; i < repetitions; ++i) {
        if (setup)
            setup();
        QElapsedTimer timer;
        timer.start();
        body();
        samples << timer.nsecsElapsed() / 1e6;
    }
    return samples;
}

// Interleaves command and floor so that machine noise hits both alike.
struct Pair {
    Stats command;
    Stats floor;
    double ratio = 0;
};

inline Pair comparePair(int repetitions, const std::function<void()>& setup, const std::function<void()>& command,
                        const std::function<void()>& floorSetup, const std::function<void()>& floor)
{
    QList<double> c;
    QList<double> f;
    for (int i = 0; i < repetitions; ++i) {
        c += sample(1, setup, command);
        f += sample(1, floorSetup, floor);
    }
    Pair pair{summarise(c), summarise(f), 0};
    pair.ratio = pair.floor.median > 0 ? pair.command.median / pair.floor.median : 0;
    return pair;
}

inline void report(const char* what, const Pair& pair, double goalRatio, double goalMs = 0)
{
    std::printf("%-58s command %8.2f ms [p10 %7.2f, p90 %7.2f]  floor %8.2f ms [p10 %7.2f, p90 %7.2f]  ratio %.2f "
                "(goal <= %.2f)%s\n",
                what, pair.command.median, pair.command.p10, pair.command.p90, pair.floor.median, pair.floor.p10,
                pair.floor.p90, pair.ratio, goalRatio,
                goalMs > 0 ? qPrintable(QStringLiteral("  median goal < %1 ms").arg(goalMs)) : "");
    std::fflush(stdout);
}

inline void report(const char* what, const Stats& stats, double goalMs)
{
    std::printf("%-58s median %8.2f ms [p10 %7.2f, p90 %7.2f]  (goal < %.0f ms)\n", what, stats.median, stats.p10,
                stats.p90, goalMs);
    std::fflush(stdout);
}

} // namespace bench
