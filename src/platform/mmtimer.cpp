#include "platform/mmtimer.h"

#include "platform/host.h"

DWORD timeGetTime()
{
    return host::Milliseconds();
}
