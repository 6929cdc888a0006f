// SPDX-License-Identifier: GPL-3.0-or-later
// The bench's method: timing a piece of work, medians of A/B pairs taken in turns, and peak memory.
#include "BenchMethod.h"

#include <QElapsedTimer>
#include <QFile>

#include <malloc.h>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

double millisecondsOf(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

qint64 statusKb(const char* key) {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(int(std::strlen(key))).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

}  // namespace

Pairs pairsOf(int pairs, const std::function<void()>& a, const std::function<void()>& b,
              const std::function<void()>& prepare) {
    const auto timed = [&](const std::function<void()>& work) {
        if (prepare)
            prepare();
        return millisecondsOf(work);
    };
    timed(a);
    timed(b);
    std::vector<double> as, bs, ratios;
    for (int i = 0; i < pairs; ++i) {
        double ta, tb;
        if (i % 2) {
            tb = timed(b);
            ta = timed(a);
        } else {
            ta = timed(a);
            tb = timed(b);
        }
        as.push_back(ta);
        bs.push_back(tb);
        ratios.push_back(ta / tb);
    }
    return {median(ratios), median(as), median(bs)};
}

qint64 peakKbOf(const std::function<void()>& work) {
    malloc_trim(0);
    const qint64 rest = statusKb("VmRSS:");
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");  // the high-water mark starts again from what the process holds now
    refs.close();
    work();
    return std::max<qint64>(1, statusKb("VmHWM:") - rest);
}

double peakRatioOf(int runs, const std::function<void()>& release, const std::function<void()>& a,
                   const std::function<void()>& b) {
    std::vector<double> ratios;
    for (int i = 0; i < runs; ++i) {
        release();
        const double pa = double(peakKbOf(a));
        release();
        const double pb = double(peakKbOf(b));
        if (i == 0)
            std::printf("    peak above the empty form: %.1f MB, floor %.1f MB\n", pa / 1024, pb / 1024);
        ratios.push_back(pa / pb);
    }
    return median(ratios);
}

bool printRatio(const QString& scenario, double ratio, double goal) {
    std::printf("%s: ratio %.2f (goal <= %g)\n", qPrintable(scenario), ratio, goal);
    std::fflush(stdout);
    return ratio <= goal;
}

void printTimes(const QString& what, const Pairs& p, int pairs) {
    std::printf("    %-44s %9.2f ms, floor %9.2f ms (medians of %d pairs)\n", qPrintable(what), p.a, p.b, pairs);
    std::fflush(stdout);
}
