// quadrix-bar-file-timing FILE [RUNS]: reads a price file with the bar file
// reader RUNS times (3 by default) and prints the best wall time in seconds,
// the bars read and the peak resident memory in MiB, for
// bar_file_bench.py to set beside pandas.

#include "BarFile.h"

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: quadrix-bar-file-timing FILE [RUNS]\n");
        return 2;
    }
    const int runs = argc == 3 ? std::max(1, std::atoi(argv[2])) : 3;
    double best = 0;
    std::size_t bars = 0;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const Result<BarFile::Contents> read = BarFile::Read(argv[1], {});
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        if (!read.Ok()) {
            std::fprintf(stderr, "quadrix-bar-file-timing: %s\n", read.Message().c_str());
            return 1;
        }
        bars = read.Value().series.bars.size();
        best = i == 0 ? took.count() : std::min(best, took.count());
    }
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%.4f %zu %.1f\n", best, bars, usage.ru_maxrss / 1024.0);
    return 0;
}
