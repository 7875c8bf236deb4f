// Controls of the headless backend, for tests and the headless runner: the screen's layout,
// injected failures, captured frames, recorded message boxes and sound calls, the clock.
// Input is scripted through platform/feed.h.
#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "platform/host.h"

namespace headless {

constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;

// The layout the display probe reveals (default 5-6-5). Set before the display comes up.
void SetLayout565(bool is565);
bool Layout565();

// The nth call (from 1) of this kind fails; repeatable for several calls and kinds.
void FailCall(host::Call call, int nth = 1);

// Every presented frame: the number of presents so far and the last frame's pixels.
int PresentCount();
const std::vector<std::uint16_t>& LastFrame();
// Called after each present with its number (from 1) and its 640x480 pixels.
void OnPresent(std::function<void(int frameNumber, const std::uint16_t* pixels)> hook);
// CRC-32 of the frame's 16-bit words, little-endian.
std::uint32_t FrameCrc32(const std::uint16_t* pixels);

struct MessageBoxRecord {
    std::string caption;  // UTF-8
    std::string text;     // UTF-8
    unsigned style;
};
const std::vector<MessageBoxRecord>& MessageBoxes();
// Sound-library calls in order, one line each ("FSOUND_PlaySound -1 Flame.Wav").
const std::vector<std::string>& SoundCalls();
// Forgets the message boxes and sound calls recorded so far (for long runs of many games).
void ClearRecords();
// Print each message box ("box ...") and sound call ("sound ...") on stdout as it happens.
void SetEcho(bool echo);

// The wall clock seen by the game's seeding (default 0).
void SetWallClock(std::time_t seconds);
// The virtual millisecond clock: every timeGetTime call advances it by 1 ms.
std::uint32_t ClockNow();
void SetClock(std::uint32_t milliseconds);

}  // namespace headless
