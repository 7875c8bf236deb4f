// The multimedia timer: milliseconds since an arbitrary start, wrapping at 2^32.
#pragma once

#include "platform/win32.h"

DWORD timeGetTime();
