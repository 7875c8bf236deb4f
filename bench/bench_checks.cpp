#include "bench_checks.h"

#include <cstdio>
#include <cstring>

namespace bench {

namespace {

int failures = 0;

}  // namespace

bool Expect(benchmark::State& state, bool same, const char* what)
{
    if (!same) {
        ++failures;
        std::fprintf(stderr, "check failed: %s\n", what);
        state.SkipWithError(what);
    }
    return same;
}

bool SamePixels(const std::uint16_t* a, const std::uint16_t* b, std::size_t count)
{
    return std::memcmp(a, b, count * sizeof *a) == 0;
}

int RunAll(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return failures == 0 ? 0 : 1;
}

}  // namespace bench
