// The program's one window, as the message calls and the backend feed see it.
#pragma once

#include "platform/win32.h"

namespace window {

// The one window's handle; the same value before and after CreateWindowExA made it, so input
// fed in early is addressed to it too.
HWND Handle();
// Its window procedure, or null while no window exists.
WNDPROC Procedure();

}  // namespace window
