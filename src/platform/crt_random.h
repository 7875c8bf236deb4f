// The C library's random generator as the game's original platform had it, the same on every
// backend: one seed deals the same pieces and explosions in the desktop, test and browser builds,
// whatever C library each is linked with.
#pragma once

namespace crt {

constexpr int kRandMax = 0x7fff;

void srand(unsigned seed);
int rand();  // 0 to kRandMax

}  // namespace crt
