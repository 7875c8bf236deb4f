#include "platform/crt_random.h"

#include <cstdint>

namespace {

// Constant-initialised: the first pieces are drawn before main, by static initialisers.
constinit std::uint32_t state = 1;

}  // namespace

namespace crt {

void srand(unsigned seed)
{
    state = seed;
}

int rand()
{
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & kRandMax);
}

}  // namespace crt
