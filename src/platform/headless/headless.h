// Controls of the headless backend, for tests and the headless runner: the screen's layout,
// injected failures, captured frames, recorded message boxes and sound calls, the clock.
// Input is scripted through platform/feed.h.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "platform/frame_crc.h"
#include "platform/host.h"
#include "platform/scripted_host.h"

namespace headless {

constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;

// What the runner's scripts use of this backend, and the frames' checksum.
using scripted::OnPresent;
using scripted::SetEcho;
using scripted::SetLayout565;
using scripted::SetWallClock;
using ::FrameCrc32;

bool Layout565();

// The nth call (from 1) of this kind fails; repeatable for several calls and kinds.
void FailCall(host::Call call, int nth = 1);

// Every presented frame: the number of presents so far and the last frame's pixels.
int PresentCount();
const std::vector<std::uint16_t>& LastFrame();

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

// The virtual millisecond clock: every timeGetTime call advances it by 1 ms.
std::uint32_t ClockNow();
void SetClock(std::uint32_t milliseconds);

}  // namespace headless
