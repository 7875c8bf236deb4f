// Full rows: found after every step down and lock, flashed, burnt away and removed; four or
// more in one check set off the explosion. Also the busy-wait that paces every animation.
#pragma once

#include <cstdint>

// Scans rows 0-23 and removes each full one, with its animations.
void CheckFullRows();
// Burns away full row `row` (0-23) and moves the rows above it down.
void ClearRow(std::int16_t row);
// Spins until at least ms milliseconds have passed, also across the timer's wrap.
void WaitMs(std::uint16_t ms);
