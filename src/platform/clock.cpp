#include "platform/clock.h"

#include "platform/host.h"

std::time_t WallClockSeconds()
{
    return host::WallClockSeconds();
}
