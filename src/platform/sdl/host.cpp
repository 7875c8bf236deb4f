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
    // The game's waits spin on this clock. Napping a twentieth of a millisecond at each reading
    // leaves the core to the render thread and the display server, and a thread that naps is
    // woken promptly on a busy machine, where one that spins waits for its turn.
    std::this_thread::sleep_for(std::chrono::microseconds(50));
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

std::time_t WallClockSeconds()
{
    return std::time(nullptr);
}

void RecordSoundCall(const char*) {}

}  // namespace host
