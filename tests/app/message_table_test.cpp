// The window's message routing: which handler each message number reaches, and what the two
// handlers do.
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

TEST(MessageTable, RunsUntilAClose)
{
    EXPECT_EQ(AppRunning, 1);
}

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

TEST(MessageTable, DestroyEndsTheGameToo)
{
    FillWindowMessageTable();
    WindowProc(nullptr, WM_DESTROY, 0, 0);
    EXPECT_EQ(AppRunning, 0);
}

TEST(MessageTable, MessagesAbove1024ShareEntry1024)
{
    FillWindowMessageTable();
    WindowMessageTable[kLastRoutedMessage] = RecordingHandler;
    for (UINT message : {1024u, 1025u, 1279u, 1280u, 0xFFFFFFFFu}) {
        seenCount = 0;
        EXPECT_EQ(WindowProc(nullptr, message, 0, 0), 77) << message;
        EXPECT_EQ(seenCount, 1) << message;
        EXPECT_EQ(seenMessage, message) << "the handler gets the message number unchanged";
    }
    // The entries past 1024 exist but are never consulted.
    WindowMessageTable[1025] = CloseMessageHandler;
    WindowProc(nullptr, 1025, 0, 0);
    EXPECT_EQ(AppRunning, 1);
}

TEST(MessageTable, MessagesUpTo1024UseTheirOwnEntry)
{
    FillWindowMessageTable();
    WindowMessageTable[1023] = RecordingHandler;
    seenCount = 0;
    WindowProc(nullptr, 1024, 0, 0);
    EXPECT_EQ(seenCount, 0);
    WindowProc(nullptr, 1023, 0, 0);
    EXPECT_EQ(seenCount, 1);
}
