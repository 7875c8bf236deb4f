// Wall-clock seconds for seeding the game's random generator, as time(NULL) gives them.
// Behind the platform so that a test run can fix the moment it starts.
#pragma once

#include <ctime>

std::time_t WallClockSeconds();
