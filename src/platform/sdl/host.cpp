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
    // The game's waits read this clock until enough milliseconds have passed. Each reading
    // sleeps to the start of the next millisecond, so a wait wakes its thread once per
    // millisecond and leaves the core to the display and the sound in between.
    using namespace std::chrono;
    const auto next = floor<milliseconds>(steady_clock::now()) + milliseconds(1);
    std::this_thread::sleep_until(next);
    return static_cast<std::uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

std::time_t WallClockSeconds()
{
    return std::time(nullptr);
}

void RecordSoundCall(const char*) {}

}  // namespace host
