#pragma once
// Timing for the paint benchmarks under Wine: the median wall time of many calls and the
// processor time per call, in microseconds. On a shared machine the processor time is the
// closer figure to what the code costs.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

inline double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return 1e6 * static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

inline double CpuMicroseconds() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto us = [](const FILETIME& f) {
        return (static_cast<double>(f.dwHighDateTime) * 4294967296.0 + f.dwLowDateTime) / 10.0;
    };
    return us(kernel) + us(user);
}

struct Figure {
    double median = 0;
    double cpu = 0;
};

// One call first (caches warm), then `runs` timed calls.
template <typename F>
Figure Measure(int runs, F&& body) {
    body();
    std::vector<double> times;
    times.reserve(static_cast<size_t>(runs));
    const double cpuStart = CpuMicroseconds();
    for (int i = 0; i < runs; ++i) {
        const double start = Now();
        body();
        times.push_back(Now() - start);
    }
    const double cpu = (CpuMicroseconds() - cpuStart) / runs;
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return {times[static_cast<size_t>(runs / 2)], cpu};
}

inline void Print(const char* what, const Figure& f, int runs) {
    std::printf("%-44s %8.1f us median of %d, %8.1f us processor time per run\n", what, f.median, runs, f.cpu);
}

template <typename F>
void Report(const char* what, int runs, F&& body) {
    Print(what, Measure(runs, body), runs);
}
