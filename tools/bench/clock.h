// Milliseconds from the performance counter, for the benchmarks.
#ifndef TOOLS_BENCH_CLOCK_H
#define TOOLS_BENCH_CLOCK_H

#include <windows.h>

inline double NowMs() {
    LARGE_INTEGER f, c;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&c);
    return (double)c.QuadPart * 1000.0 / (double)f.QuadPart;
}

#endif
