#include "app/message_table.h"

MessageHandler WindowMessageTable[kMessageTableSize];
std::int32_t AppRunning = 1;

void FillWindowMessageTable()
{
    for (MessageHandler& entry : WindowMessageTable) entry = DefaultMessageHandler;
    WindowMessageTable[WM_CLOSE] = CloseMessageHandler;
    WindowMessageTable[WM_DESTROY] = CloseMessageHandler;
}

LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const UINT entry = message > kLastRoutedMessage ? kLastRoutedMessage : message;
    return WindowMessageTable[entry](window, message, wParam, lParam);
}

LRESULT DefaultMessageHandler(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(window, message, wParam, lParam);
}

// Not passed on: the platform would destroy the window, and the game keeps it to the end.
LRESULT CloseMessageHandler(HWND, UINT, WPARAM, LPARAM)
{
    AppRunning = 0;
    return 0;
}
