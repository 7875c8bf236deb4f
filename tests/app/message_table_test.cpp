// The window's message routing: which handler each message number reaches, and what the close
// handler does.
#include "app/message_table.h"

#include <gtest/gtest.h>

namespace {

UINT seenMessage = 0;

LRESULT RecordingHandler(HWND, UINT message, WPARAM, LPARAM)
{
    seenMessage = message;
    return 77;
}

}  // namespace

// Only entries 2 and 16 reach the close handler, which ends the game. Entry 1024 serves every
// message from 1024 up, with the number unchanged; the entries past it are never consulted,
// and 1023 keeps its own.
TEST(MessageTable, EachMessageReachesItsEntry)
{
    FillWindowMessageTable();
    for (int entry = 0; entry < kMessageTableSize; ++entry)
        EXPECT_EQ(WindowMessageTable[entry], entry == WM_CLOSE || entry == WM_DESTROY ? CloseMessageHandler
                                                                                      : DefaultMessageHandler) << entry;
    WindowMessageTable[kLastRoutedMessage] = RecordingHandler;
    WindowMessageTable[1025] = WindowMessageTable[1023] = CloseMessageHandler;
    for (UINT message : {1024u, 1025u, 1279u, 1280u, 0xFFFFFFFFu}) {
        EXPECT_EQ(WindowProc(nullptr, message, 0, 0), 77) << message;
        EXPECT_EQ(seenMessage, message);
    }
    EXPECT_EQ(AppRunning, 1);
    EXPECT_EQ(WindowProc(nullptr, 1023, 0, 0), 0);
    EXPECT_EQ(AppRunning, 0);
}
