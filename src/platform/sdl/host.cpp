// The real backend's clocks and the calls a test would count: nothing here ever fails on
// purpose, and the sound calls are heard, not recorded.
#include "platform/host.h"

#include <chrono>
#include <thread>

namespace host {

bool CallFails(Call)
{
    return false;
}

std::uint32_t Milliseconds()
{
    // The game's waits read this clock until enough milliseconds have passed. A reading that
    // follows the last one at once is such a wait spinning: it sleeps to the start of the next
    // millisecond, so the wait wakes its thread once a millisecond and leaves the core to the
    // display and the sound in between. The first reading of a wait comes after the tick's
    // drawing and is taken at once, so that sleeping never makes the wait longer.
    using namespace std::chrono;
    constexpr auto kSpinning = microseconds(20);
    thread_local steady_clock::time_point lastReading{};
    auto now = steady_clock::now();
    if (now - lastReading < kSpinning) {
        std::this_thread::sleep_until(floor<milliseconds>(now) + milliseconds(1));
        now = steady_clock::now();
    }
    lastReading = now;
    return static_cast<std::uint32_t>(duration_cast<milliseconds>(now.time_since_epoch()).count());
}

std::time_t WallClockSeconds()
{
    return std::time(nullptr);
}

void RecordSoundCall(const char*) {}

}  // namespace host
