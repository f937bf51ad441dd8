#pragma once
// What every benchmark shares: the program's own path and the bare limit of
// the same work run alternately in one process, and one "GOAL" line per goal
// that tools/bench.sh gathers into its table. Benchmarks are not tests.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>
#if defined(__GLIBC__) || defined(_WIN32)
#include <malloc.h>
#endif

namespace crv::bench {

using Clock = std::chrono::steady_clock;

template <class F>
double Seconds(F&& work) {
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Hands the memory the allocator holds free back to the system. The C
// library on Linux keeps freed memory only up to a limit: a run that follows
// a larger one finds its pages already mapped, the larger one maps its own
// anew. Called before a timed run of a growth benchmark, every size starts
// alike and pays for the pages it uses. On Windows the C runtime's heap is
// asked to give back what it can.
inline void Return_Free_Memory() {
#if defined(__GLIBC__)
    malloc_trim(0);
#elif defined(_WIN32)
    _heapmin();
#endif
}

struct Spread {
    double min = 0;
    double median = 0;
};

inline Spread Spread_Of(std::vector<double> values) {
    if (values.empty()) return {};
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return {values.front(), n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2};
}

// Runs `program` and `bare` alternately `repetitions` times (at least 5) and
// gives the spread of program / bare over the repetitions.
template <class P, class B>
Spread Ratio(int repetitions, P&& program, B&& bare) {
    std::vector<double> ratios;
    for (int i = 0; i < std::max(repetitions, 5); ++i) {
        const double p = Seconds(program);
        const double b = Seconds(bare);
        ratios.push_back(b > 0 ? p / b : 0);
    }
    return Spread_Of(std::move(ratios));
}

// A goal met when the median is at most the target.
inline void Goal(const char* goal, Spread measured, double target, const char* unit = "x") {
    std::printf("GOAL\t%s\t%.3g\t%.3g\t%.3g%s\t%s\n", goal, measured.min, measured.median, target, unit,
                measured.median <= target ? "pass" : "FAIL");
    std::fflush(stdout);
}

// A measured line that no goal speaks of, shown beside the goals.
inline void Info(const char* what, Spread measured) {
    std::printf("GOAL\t%s\t%.3g\t%.3g\t-\tinfo\n", what, measured.min, measured.median);
    std::fflush(stdout);
}

}  // namespace crv::bench
