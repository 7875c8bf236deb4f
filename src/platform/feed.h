// What a backend feeds into the stand-in layer: keys and buttons, mouse motion and window
// messages. Each posts the window message the platform would, so both backends behave alike.
#pragma once

#include "platform/win32.h"

// A key or button (VK_*) went down or up: key state for GetAsyncKeyState, and WM_KEYDOWN /
// WM_KEYUP, WM_LBUTTONDOWN ... in the queue.
void FeedKey(int virtualKey, bool down);
// All keys and buttons read as up (the window lost the focus).
void FeedReleaseAll();
// Relative motion of the virtual cursor, clamped to the 640x480 screen; posts WM_MOUSEMOVE.
void FeedMouseMotion(int dx, int dy);
// An absolute cursor position (clamped); posts WM_MOUSEMOVE.
void FeedCursorPosition(int x, int y);
// Any other message for the window (WM_CLOSE on a close request or a signal).
void FeedMessage(UINT message, WPARAM wParam, LPARAM lParam);
