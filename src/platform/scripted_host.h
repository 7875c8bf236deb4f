// What a backend that can play the runner's scripts offers the runner: the screen's layout,
// the wall clock the game seeds with, the record of boxes and sounds on stdout, and a look at
// every presented frame. The headless backend and the browser's have it.
#pragma once

#include <cstdint>
#include <ctime>
#include <functional>

namespace scripted {

// The layout the display probe reveals (default 5-6-5). Set before the display comes up.
void SetLayout565(bool is565);
// The wall clock seen by the game's seeding.
void SetWallClock(std::time_t seconds);
// Print each message box ("box ...") and sound call ("sound ...") on stdout as it happens.
void SetEcho(bool echo);
// Called after each present with its number (from 1) and its 640x480 pixels.
void OnPresent(std::function<void(int frameNumber, const std::uint16_t* pixels)> hook);

}  // namespace scripted
