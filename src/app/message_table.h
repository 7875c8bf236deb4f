// The window's message dispatch: one handler per message number, filled once before the
// window exists, and the running flag that a close request clears.
#pragma once

#include <cstdint>

#include "platform/win32.h"

using MessageHandler = LRESULT (*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

constexpr int kMessageTableSize = 1280;
// Every message numbered above this one is handled by this entry.
constexpr UINT kLastRoutedMessage = 1024;

extern MessageHandler WindowMessageTable[kMessageTableSize];
// 1 from the start; cleared only by a close or destroy message, read only by the main loop.
extern std::int32_t AppRunning;

// Every entry the default handler, then close and destroy the close handler.
void FillWindowMessageTable();

// The window procedure of the game's window class: routes by message number.
LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Leaves the message to the platform.
LRESULT DefaultMessageHandler(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Ends the main loop after this iteration's tick; the window stays.
LRESULT CloseMessageHandler(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
