// Timing for the benchmarks: a microsecond clock, and the median and spread of repeated
// samples of an operation, each sample long enough to be measured well on a noisy machine.
#pragma once

#include "framework/graphics/WinApi.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

inline double BenchMicroseconds() {
    static LARGE_INTEGER Frequency{};
    if (!Frequency.QuadPart)
        QueryPerformanceFrequency(&Frequency);
    LARGE_INTEGER Now;
    QueryPerformanceCounter(&Now);
    return double(Now.QuadPart) * 1e6 / double(Frequency.QuadPart);
}

struct TBenchTiming {
    double Median;
    double Low;  // 10th percentile
    double High; // 90th percentile
};

// How many calls make a sample of about a millisecond.
inline int BenchRepeatCount(const std::function<void()>& Operation) {
    Operation();
    int Repeat = 1;
    for (double Start = BenchMicroseconds(); BenchMicroseconds() - Start < 1000; Repeat *= 2)
        for (int I = 0; I < Repeat; ++I)
            Operation();
    return Repeat;
}

inline double BenchSample(const std::function<void()>& Operation, int Repeat) {
    const double Start = BenchMicroseconds();
    for (int I = 0; I < Repeat; ++I)
        Operation();
    return (BenchMicroseconds() - Start) / Repeat;
}

inline TBenchTiming BenchSummary(std::vector<double> Samples) {
    std::sort(Samples.begin(), Samples.end());
    return {Samples[Samples.size() / 2], Samples[Samples.size() / 10],
            Samples[Samples.size() * 9 / 10]};
}

// Times Operation in 31 samples of about a millisecond each; microseconds per call.
inline TBenchTiming BenchMeasure(const std::function<void()>& Operation) {
    const int Repeat = BenchRepeatCount(Operation);
    std::vector<double> Samples;
    for (int Sample = 0; Sample < 31; ++Sample)
        Samples.push_back(BenchSample(Operation, Repeat));
    return BenchSummary(std::move(Samples));
}

// Times two operations in alternating samples, so that both see the same load on a
// shared machine; microseconds per call of each. BeforeFirst and BeforeSecond run untimed
// ahead of every sample of their operation (to give it the keyboard focus, say).
inline std::pair<TBenchTiming, TBenchTiming> BenchMeasurePair(
    const std::function<void()>& First, const std::function<void()>& Second,
    const std::function<void()>& BeforeFirst = [] {},
    const std::function<void()>& BeforeSecond = [] {}) {
    BeforeFirst();
    const int RepeatFirst = BenchRepeatCount(First);
    BeforeSecond();
    const int RepeatSecond = BenchRepeatCount(Second);
    std::vector<double> FirstSamples;
    std::vector<double> SecondSamples;
    for (int Sample = 0; Sample < 31; ++Sample) {
        BeforeFirst();
        FirstSamples.push_back(BenchSample(First, RepeatFirst));
        BeforeSecond();
        SecondSamples.push_back(BenchSample(Second, RepeatSecond));
    }
    return {BenchSummary(std::move(FirstSamples)), BenchSummary(std::move(SecondSamples))};
}

inline void BenchReport(const char* Name, const TBenchTiming& Timing) {
    std::printf("%-44s %9.2f us  (%.2f .. %.2f)\n", Name, Timing.Median, Timing.Low, Timing.High);
}
