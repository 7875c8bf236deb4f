// A measurement is worth only as much as the work it times: a benchmark whose pixels come
// out different from the version it is compared with says so, and the program then fails.
#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>

namespace bench {

// Marks the benchmark failed (its row shows the reason) unless `same` holds.
bool Expect(benchmark::State& state, bool same, const char* what);

// True when both pictures hold the same count pixels.
bool SamePixels(const std::uint16_t* a, const std::uint16_t* b, std::size_t count);

// Runs the benchmarks selected on the command line; 1 when any Expect failed or the
// arguments were wrong, else 0.
int RunAll(int argc, char** argv);

}  // namespace bench
