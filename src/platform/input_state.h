// What the keys, buttons and the virtual cursor are doing, as GetAsyncKeyState and
// GetCursorPos report it. The backend changes it through feed.h.
#pragma once

#include "platform/win32.h"

namespace inputstate {

constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;

// A key or button went down or up; true when that changed its state.
bool SetKey(int virtualKey, bool down);
void ReleaseAllKeys();
bool KeyDown(int virtualKey);
// 0x8000 while down, with bit 0 when pressed since the last query of that key.
SHORT QueryKey(int virtualKey);

POINT Cursor();
// Moves the cursor, clamped to the screen; true when it moved.
bool PlaceCursor(long long x, long long y);

}  // namespace inputstate
