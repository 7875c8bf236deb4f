// The window's message routing: which handler each message number reaches, and what the close
// handler does.
#include "app/message_table.h"

#include <gtest/gtest.h>

namespace {

UINT seenMessage = 0;
int seenCount = 0;

LRESULT RecordingHandler(HWND, UINT message, WPARAM, LPARAM)
{
    seenMessage = message;
    ++seenCount;
    return 77;
}

}  // namespace

TEST(MessageTable, OnlyCloseAndDestroyReachTheCloseHandler)
{
    FillWindowMessageTable();
    for (int entry = 0; entry < kMessageTableSize; ++entry) {
        const bool closes = entry == WM_CLOSE || entry == WM_DESTROY;
        EXPECT_EQ(WindowMessageTable[entry], closes ? CloseMessageHandler : DefaultMessageHandler)
            << "entry " << entry;
    }
}

TEST(MessageTable, CloseHandlerClearsTheRunningFlagAndAnswersZero)
{
    FillWindowMessageTable();
    EXPECT_EQ(WindowProc(nullptr, WM_USER, 0, 0), 0);
    EXPECT_EQ(AppRunning, 1) << "an ordinary message must not end the game";
    EXPECT_EQ(WindowProc(nullptr, WM_CLOSE, 0, 0), 0);
    EXPECT_EQ(AppRunning, 0);
}

// Entry 1024 serves every message from 1024 up, with the number unchanged; the entries past
// it are never consulted, and 1023 keeps its own.
TEST(MessageTable, MessagesFrom1024ShareEntry1024)
{
    FillWindowMessageTable();
    WindowMessageTable[kLastRoutedMessage] = RecordingHandler;
    WindowMessageTable[1025] = CloseMessageHandler;
    for (UINT message : {1024u, 1025u, 1279u, 1280u, 0xFFFFFFFFu}) {
        seenCount = 0;
        EXPECT_EQ(WindowProc(nullptr, message, 0, 0), 77) << message;
        EXPECT_EQ(seenCount, 1) << message;
        EXPECT_EQ(seenMessage, message);
    }
    EXPECT_EQ(AppRunning, 1);
    seenCount = 0;
    WindowMessageTable[1023] = CloseMessageHandler;
    WindowProc(nullptr, 1023, 0, 0);
    EXPECT_EQ(seenCount, 0);
    EXPECT_EQ(AppRunning, 0);
}
