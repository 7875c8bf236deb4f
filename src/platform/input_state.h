// What the keys, buttons, the virtual cursor and the pointer's visibility are doing, as
// GetAsyncKeyState, GetCursorPos and ShowCursor see them. The backend changes them through
// feed.h, on its own thread while the game reads them, so every call is thread-safe.
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
// Moves the cursor to a place, or by a step, clamped to the screen; true when it moved.
bool PlaceCursor(long long x, long long y);
bool MoveCursor(int dx, int dy);

// Whether the game wants the pointer shown over its window (its ShowCursor count).
void SetPointerShown(bool shown);
bool PointerShown();

}  // namespace inputstate
