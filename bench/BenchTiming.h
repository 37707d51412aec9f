#pragma once
// Timing shared by the host benchmarks.
#include <ctime>

// The best average over fifty batches of runs, in processor time: the machine is shared,
// and the time this process itself spent is the closest to what the code costs.
template <typename F>
double MicrosecondsPerRun(int runs, F&& body) {
    body();  // warm up
    const int perBatch = runs / 50 > 0 ? runs / 50 : 1;
    double best = 1e300;
    for (int batch = 0; batch < 50; ++batch) {
        const std::clock_t start = std::clock();
        for (int i = 0; i < perBatch; ++i) body();
        const double spent = 1e6 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
        if (spent / perBatch < best) best = spent / perBatch;
    }
    return best;
}
