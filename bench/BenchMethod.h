// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the bench measures: the program's work (A) and its floor (B) in turns, medians of the pairs' ratios,
// and the process's peak memory over a piece of work.

#include <QString>

#include <functional>

struct Pairs {
    double ratio;  // median of the pairs' A/B
    double a, b;   // median milliseconds of each
};

// One warm-up of each, then `pairs` pairs, B first in every second pair so that a drifting machine weighs on
// both alike. `prepare`, untimed, runs before each run of A and of B (a fresh copy of what the work consumes).
Pairs pairsOf(int pairs, const std::function<void()>& a, const std::function<void()>& b,
              const std::function<void()>& prepare = {});

// The process's memory high-water mark over `work`, above what it held before, in kB (the kernel's own
// accounting, reset before the work).
qint64 peakKbOf(const std::function<void()>& work);

// Median over `runs` turns of the ratio of the two peaks, each measured after `release` let go of what the
// work before held.
double peakRatioOf(int runs, const std::function<void()>& release, const std::function<void()>& a,
                   const std::function<void()>& b);

// "<scenario>: ratio <x> (goal <= <goal>)"; true when the goal is met.
bool printRatio(const QString& scenario, double ratio, double goal);
// "  <what>  A <a> ms, floor <b> ms (median of <n> pairs)"
void printTimes(const QString& what, const Pairs& p, int pairs);
