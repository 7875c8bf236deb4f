// The window, its message queue, the key state and the virtual cursor.
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/feed.h"
#include "platform/headless/headless.h"

namespace {

std::vector<MSG> handled;  // what reached the window procedure

LRESULT CALLBACK RecordingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    handled.push_back(MSG{window, message, wParam, lParam, 0, {}});
    return 0;
}

std::vector<MSG> TakeAll()
{
    std::vector<MSG> all;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) all.push_back(msg);
    return all;
}

std::pair<int, int> Cursor()
{
    POINT at{-1, -1};
    EXPECT_TRUE(GetCursorPos(&at));
    return {at.x, at.y};
}

}  // namespace

// The window of the registered class hears WM_CREATE. A message for the
// window, or a window message posted to no window, reaches the procedure; a thread message
// and the quit never do.
TEST(Window, CreationAndDispatchOfWindowMessagesOnly)
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = RecordingProcedure;
    windowClass.lpszClassName = "Tumblox";
    ASSERT_NE(RegisterClassA(&windowClass), 0);
    HWND window =
        CreateWindowExA(0, "Tumblox", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(handled.size(), 1u);
    EXPECT_EQ(handled[0].message, WM_CREATE);
    EXPECT_EQ(handled[0].hwnd, window);

    handled.clear();
    PostMessageA(window, 1025, 3, 4);
    PostMessageA(nullptr, WM_CLOSE, 0, 0);
    PostMessageA(nullptr, WM_USER + 5, 0, 0);
    PostQuitMessage(7);
    for (const MSG& msg : TakeAll()) DispatchMessageA(&msg);
    ASSERT_EQ(handled.size(), 2u);
    EXPECT_EQ(handled[0].message, 1025u);
    EXPECT_EQ(handled[0].lParam, 4);
    EXPECT_EQ(handled[1].message, WM_CLOSE);
    EXPECT_EQ(handled[1].hwnd, window);
}

TEST(MessageQueue, MouseMovesCoalesceAndTheNewestPositionWins)
{
    FeedMouseMotion(10, 0);
    FeedKey(VK_ESCAPE, true);
    FeedMouseMotion(5, 7);
    FeedMouseMotion(1, 1);
    const std::vector<MSG> all = TakeAll();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].message, WM_MOUSEMOVE);
    EXPECT_EQ(all[0].lParam, 248 << 16 | 336);
    EXPECT_EQ(all[1].message, WM_KEYDOWN);
    EXPECT_EQ(all[1].wParam, static_cast<WPARAM>(VK_ESCAPE));
}

// Like the platform's queue: posted messages before input, each kind in the order it came.
TEST(MessageQueue, PostedMessagesComeBeforeInputEachInItsOrder)
{
    const std::vector<std::pair<std::vector<UINT>, std::vector<UINT>>> cases = {
        {{WM_KEYDOWN, WM_CLOSE}, {WM_CLOSE, WM_KEYDOWN}},
        {{WM_LBUTTONDOWN, WM_USER, WM_LBUTTONUP, WM_QUIT}, {WM_USER, WM_QUIT, WM_LBUTTONDOWN, WM_LBUTTONUP}},
        {{WM_RBUTTONDOWN, WM_KEYUP, WM_MOUSEMOVE, WM_RBUTTONUP}, {WM_RBUTTONDOWN, WM_KEYUP, WM_MOUSEMOVE, WM_RBUTTONUP}},
        {{WM_USER + 1, WM_KEYDOWN, WM_CLOSE, WM_USER + 2}, {WM_USER + 1, WM_CLOSE, WM_USER + 2, WM_KEYDOWN}},
    };
    for (const auto& [posted, expected] : cases) {
        for (UINT message : posted) PostMessageA(nullptr, message, 0, 0);
        std::vector<UINT> taken;
        for (const MSG& msg : TakeAll()) taken.push_back(msg.message);
        EXPECT_EQ(taken, expected);
    }
}

TEST(MessageQueue, AFloodOfInputIsBoundedAndNeverEvictsAClose)
{
    FeedMessage(WM_CLOSE, 0, 0);
    for (int i = 0; i < 1000; ++i) {
        FeedKey(VK_PRIOR, i % 2 == 0);
        FeedMouseMotion(i % 2 ? 3 : -3, 0);
    }
    PostQuitMessage(2);
    const std::vector<MSG> all = TakeAll();
    ASSERT_EQ(all.size(), 256u);
    EXPECT_EQ(all[0].message, WM_CLOSE);
    EXPECT_EQ(all[1].message, WM_QUIT);
    // The oldest input gave way: the keys left are the newest, still alternating.
    std::vector<UINT> keys;
    int moves = 0;
    for (const MSG& msg : all) {
        if (msg.message == WM_KEYDOWN || msg.message == WM_KEYUP) keys.push_back(msg.message);
        moves += msg.message == WM_MOUSEMOVE;
    }
    EXPECT_LE(moves, 1);
    ASSERT_GE(keys.size(), 250u);
    EXPECT_EQ(keys.back(), WM_KEYUP);
    for (std::size_t i = 1; i < keys.size(); ++i) EXPECT_NE(keys[i], keys[i - 1]);
}

// A queue full of closes refuses everything else; one full of other messages refuses input
// but makes room for a close, the oldest giving way.
TEST(MessageQueue, AFullQueueKeepsItsClosesAndTakesOneMore)
{
    for (int i = 0; i < 256; ++i) FeedMessage(WM_CLOSE, static_cast<WPARAM>(i), 0);
    FeedMouseMotion(1, 1);
    EXPECT_EQ(PostMessageA(nullptr, WM_USER, 0, 0), FALSE);
    std::vector<MSG> all = TakeAll();
    ASSERT_EQ(all.size(), 256u);
    EXPECT_EQ(all.back().wParam, 255u);

    for (int i = 0; i < 256; ++i) PostMessageA(nullptr, WM_USER, static_cast<WPARAM>(i), 0);
    EXPECT_EQ(PostMessageA(nullptr, WM_KEYDOWN, VK_NEXT, 0), FALSE);
    EXPECT_EQ(PostMessageA(nullptr, WM_CLOSE, 0, 0), TRUE);
    all = TakeAll();
    ASSERT_EQ(all.size(), 256u);
    EXPECT_EQ(all.front().wParam, 1u);
    EXPECT_EQ(all.back().message, WM_CLOSE);
}

// A tap between two queries is seen once; a held key reads down, with the press bit only
// the first time.
TEST(KeyState, PressesAreSeenOnceAndHeldKeysReadDown)
{
    FeedKey(VK_LBUTTON, true);
    FeedKey(VK_LBUTTON, false);
    EXPECT_EQ(GetAsyncKeyState(VK_LBUTTON), 0x0001);
    EXPECT_EQ(GetAsyncKeyState(VK_LBUTTON), 0);
    FeedKey(VK_RBUTTON, true);
    EXPECT_EQ(static_cast<std::uint16_t>(GetAsyncKeyState(VK_RBUTTON)), 0x8001);
    FeedKey(VK_RBUTTON, true);  // no new press while held
    EXPECT_EQ(static_cast<std::uint16_t>(GetAsyncKeyState(VK_RBUTTON)), 0x8000);
    FeedReleaseAll();
    EXPECT_EQ(GetAsyncKeyState(VK_RBUTTON), 0);
    EXPECT_EQ(GetAsyncKeyState(-1), 0);
    EXPECT_EQ(GetAsyncKeyState(256), 0);
}

TEST(Cursor, StartsInTheCentreAndStaysOnTheScreen)
{
    EXPECT_EQ(Cursor(), std::pair(320, 240));
    FeedMouseMotion(-100000, 100000);
    EXPECT_EQ(Cursor(), std::pair(0, 479));
    FeedMouseMotion(2147483647, -2147483647);
    EXPECT_EQ(Cursor(), std::pair(639, 0));
    SetCursorPos(-5, 480);
    EXPECT_EQ(Cursor(), std::pair(0, 479));

    TakeAll();
    FeedMouseMotion(-1, 1);  // against the corner: no motion, no message
    FeedCursorPosition(0, 479);
    EXPECT_TRUE(TakeAll().empty());
}
