// The backend's side of input: key state and cursor, and the messages Windows would post.
#include "platform/feed.h"

#include "platform/input_state.h"
#include "platform/window.h"

namespace {

constexpr WPARAM MK_LBUTTON = 0x0001;
constexpr WPARAM MK_RBUTTON = 0x0002;

LPARAM CursorLParam()
{
    const POINT at = inputstate::Cursor();
    return static_cast<LPARAM>((static_cast<DWORD>(at.y) << 16) | static_cast<DWORD>(at.x));
}

WPARAM ButtonsDown()
{
    return (inputstate::KeyDown(VK_LBUTTON) ? MK_LBUTTON : 0) | (inputstate::KeyDown(VK_RBUTTON) ? MK_RBUTTON : 0);
}

void PostMouseMove()
{
    PostMessageA(window::Handle(), WM_MOUSEMOVE, ButtonsDown(), CursorLParam());
}

}  // namespace

void FeedKey(int virtualKey, bool down)
{
    if (virtualKey < 0 || virtualKey > 0xFF) return;  // no such key
    const bool changed = inputstate::SetKey(virtualKey, down);
    if (virtualKey == VK_LBUTTON || virtualKey == VK_RBUTTON) {
        if (!changed) return;  // a button does not repeat
        const bool left = virtualKey == VK_LBUTTON;
        const UINT message = left ? (down ? WM_LBUTTONDOWN : WM_LBUTTONUP) : (down ? WM_RBUTTONDOWN : WM_RBUTTONUP);
        PostMessageA(window::Handle(), message, ButtonsDown(), CursorLParam());
        return;
    }
    // A key held down repeats its WM_KEYDOWN, as the keyboard does; an up comes once.
    if (!down && !changed) return;
    PostMessageA(window::Handle(), down ? WM_KEYDOWN : WM_KEYUP, static_cast<WPARAM>(virtualKey), 0);
}

void FeedReleaseAll()
{
    inputstate::ReleaseAllKeys();
}

void FeedMouseMotion(int dx, int dy)
{
    if (inputstate::MoveCursor(dx, dy)) PostMouseMove();
}

void FeedCursorPosition(int x, int y)
{
    if (inputstate::PlaceCursor(x, y)) PostMouseMove();
}

void FeedMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    PostMessageA(window::Handle(), message, wParam, lParam);
}
