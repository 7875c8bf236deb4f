// The window class, the one window and its messages, the message box, the cursor and the
// key state, as the game calls them.
#include "platform/win32.h"

#include <string>

#include "platform/host.h"
#include "platform/input_state.h"
#include "platform/message_queue.h"
#include "platform/window.h"

namespace {

struct WindowClass {
    bool registered = false;
    std::string name;
    WNDPROC procedure = nullptr;
};

WindowClass windowClass;
WNDPROC windowProcedure = nullptr;  // set once the window exists
int cursorShowCount = 0;

// Stand-in handles: distinct, non-null, never looked into.
char windowToken, iconToken, cursorToken;
char stockObjects[32];

}  // namespace

namespace window {

HWND Handle()
{
    return reinterpret_cast<HWND>(&windowToken);
}

WNDPROC Procedure()
{
    return windowProcedure;
}

}  // namespace window

ATOM RegisterClassA(const WNDCLASSA* classInfo)
{
    if (host::CallFails(host::Call::RegisterClassA)) return 0;
    if (classInfo == nullptr || classInfo->lpfnWndProc == nullptr || classInfo->lpszClassName == nullptr ||
        windowClass.registered)
        return 0;
    windowClass = WindowClass{true, classInfo->lpszClassName, classInfo->lpfnWndProc};
    return 0xC001;
}

HWND CreateWindowExA(DWORD, LPCSTR className, LPCSTR, DWORD, int, int, int, int, HWND, HMENU, HINSTANCE,
                     LPVOID)
{
    if (!windowClass.registered || className == nullptr || windowClass.name != className) return nullptr;
    if (windowProcedure == nullptr) {
        windowProcedure = windowClass.procedure;
        // Like Windows, the new window hears WM_CREATE before its handle is returned.
        if (windowProcedure(window::Handle(), WM_CREATE, 0, 0) == -1) {
            windowProcedure = nullptr;
            return nullptr;
        }
    }
    return window::Handle();
}

HICON LoadIconA(HINSTANCE, LPCSTR)
{
    return reinterpret_cast<HICON>(&iconToken);
}

HCURSOR LoadCursorA(HINSTANCE, LPCSTR)
{
    return reinterpret_cast<HCURSOR>(&cursorToken);
}

HGDIOBJ GetStockObject(int object)
{
    if (object < 0 || object >= static_cast<int>(sizeof stockObjects)) return nullptr;
    return &stockObjects[object];
}

// The game peeks and gets for any window and with no filter, so neither is applied.
BOOL PeekMessageA(MSG* msg, HWND, UINT, UINT, UINT removeFlags)
{
    host::PumpEvents();
    if (msg == nullptr) return FALSE;
    return messagequeue::Peek(msg, (removeFlags & PM_REMOVE) != 0) ? TRUE : FALSE;
}

BOOL GetMessageA(MSG* msg, HWND, UINT, UINT)
{
    if (msg == nullptr) return -1;
    // The game gets only after a peek saw a message; otherwise wait for the host to bring one.
    while (!messagequeue::Peek(msg, true)) host::PumpEvents();
    return msg->message == WM_QUIT ? FALSE : TRUE;
}

// No character messages are made; like Windows, a key message reports itself translated.
BOOL TranslateMessage(const MSG* msg)
{
    return msg != nullptr && (msg->message == WM_KEYDOWN || msg->message == WM_KEYUP) ? TRUE : FALSE;
}

LRESULT DispatchMessageA(const MSG* msg)
{
    if (msg == nullptr || msg->message == WM_QUIT || windowProcedure == nullptr) return 0;
    // A message posted to no window reaches the window only if it is one of the system's
    // window messages; the program's own thread messages have no procedure to go to.
    const bool forWindow = msg->hwnd == window::Handle() || (msg->hwnd == nullptr && msg->message < WM_USER);
    if (!forWindow) return 0;
    return windowProcedure(window::Handle(), msg->message, msg->wParam, msg->lParam);
}

LRESULT DefWindowProcA(HWND, UINT, WPARAM, LPARAM)
{
    return 0;
}

BOOL PostMessageA(HWND target, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (target != nullptr && target != window::Handle()) return FALSE;
    MSG msg{target, message, wParam, lParam, 0, inputstate::Cursor()};
    return messagequeue::Post(msg) ? TRUE : FALSE;
}

void PostQuitMessage(int exitCode)
{
    PostMessageA(nullptr, WM_QUIT, static_cast<WPARAM>(exitCode), 0);
}

int MessageBoxA(HWND, LPCSTR text, LPCSTR caption, UINT type)
{
    host::ShowMessageBox(caption != nullptr ? caption : "Error", text != nullptr ? text : "", type);
    return IDOK;
}

int ShowCursor(BOOL show)
{
    cursorShowCount += show ? 1 : -1;
    inputstate::SetPointerShown(cursorShowCount >= 0);
    return cursorShowCount;
}

BOOL GetCursorPos(POINT* point)
{
    if (point == nullptr) return FALSE;
    *point = inputstate::Cursor();
    return TRUE;
}

BOOL SetCursorPos(int x, int y)
{
    inputstate::PlaceCursor(x, y);
    return TRUE;
}

SHORT GetAsyncKeyState(int virtualKey)
{
    host::PumpEvents();
    return inputstate::QueryKey(virtualKey);
}

BOOL SetRect(RECT* rect, int left, int top, int right, int bottom)
{
    if (rect == nullptr) return FALSE;
    *rect = RECT{left, top, right, bottom};
    return TRUE;
}
