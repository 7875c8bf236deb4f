// The headless backend: a memory screen whose frames are counted and kept, a virtual clock,
// injected failures, and records of message boxes and sound calls. Input is scripted
// through feed.h by the test or the runner, so pumping finds nothing to do.
#include "platform/host.h"

#include <array>
#include <set>
#include <utility>

#include "platform/cp949.h"
#include "platform/echo_lines.h"
#include "platform/headless/headless.h"

namespace {

constexpr int kCallKinds = static_cast<int>(host::Call::FSOUND_Stream_OpenMpeg) + 1;
constexpr std::size_t kFramePixels = static_cast<std::size_t>(headless::kScreenWidth) * headless::kScreenHeight;

bool layout565 = true;
std::array<int, kCallKinds> callsMade{};
std::set<std::pair<int, int>> failingCalls;  // (kind, nth)

int presents = 0;
std::vector<std::uint16_t> lastFrame;
std::function<void(int, const std::uint16_t*)> presentHook;

std::vector<headless::MessageBoxRecord> messageBoxes;
std::vector<std::string> soundCalls;
bool echo = false;

std::uint32_t clockNow = 0;
std::time_t wallClock = 0;

}  // namespace

namespace headless {

bool Layout565()
{
    return layout565;
}

void FailCall(host::Call call, int nth)
{
    failingCalls.emplace(static_cast<int>(call), nth);
}

int PresentCount()
{
    return presents;
}

const std::vector<std::uint16_t>& LastFrame()
{
    return lastFrame;
}

const std::vector<MessageBoxRecord>& MessageBoxes()
{
    return messageBoxes;
}

const std::vector<std::string>& SoundCalls()
{
    return soundCalls;
}

void ClearRecords()
{
    messageBoxes.clear();
    soundCalls.clear();
}

std::uint32_t ClockNow()
{
    return clockNow;
}

void SetClock(std::uint32_t milliseconds)
{
    clockNow = milliseconds;
}

}  // namespace headless

namespace scripted {

void SetLayout565(bool is565)
{
    layout565 = is565;
}

void OnPresent(std::function<void(int frameNumber, const std::uint16_t* pixels)> hook)
{
    presentHook = std::move(hook);
}

void SetEcho(bool on)
{
    echo = on;
}

void SetWallClock(std::time_t seconds)
{
    wallClock = seconds;
}

}  // namespace scripted

namespace host {

bool CallFails(Call call)
{
    const int kind = static_cast<int>(call);
    return failingCalls.count({kind, ++callsMade[kind]}) != 0;
}

bool OpenVideo()
{
    return true;
}

bool TakeOverScreen()
{
    return true;
}

bool SetScreenMode(int width, int height)
{
    return width == headless::kScreenWidth && height == headless::kScreenHeight;
}

void RestoreScreenMode() {}

bool ScreenIs565()
{
    return layout565;
}

void PresentFrame(const std::uint16_t* pixels)
{
    lastFrame.assign(pixels, pixels + kFramePixels);
    ++presents;
    if (presentHook) presentHook(presents, lastFrame.data());
}

void PumpEvents() {}

void ShowMessageBox(const char* caption, const char* text, unsigned style)
{
    messageBoxes.push_back({Cp949ToUtf8(caption), Cp949ToUtf8(text), style});
    if (echo) EchoMessageBox(caption, text, style);
}

std::uint32_t Milliseconds()
{
    return clockNow++;  // wraps at 2^32 like the real timer
}

std::time_t WallClockSeconds()
{
    return wallClock;
}

void RecordSoundCall(const char* line)
{
    soundCalls.emplace_back(line);
    if (echo) EchoSoundCall(line);
}

}  // namespace host
