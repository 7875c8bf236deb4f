// The headless backend: a memory screen whose frames are counted and kept, a virtual clock,
// injected failures, and records of message boxes and sound calls. Input is scripted
// through feed.h by the test or the runner, so pumping finds nothing to do.
#include "platform/host.h"

#include <array>
#include <cstdio>
#include <set>
#include <utility>

#include "platform/cp949.h"
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

// A record's text between double quotes: line feeds as \n, quotes and backslashes escaped.
std::string Quoted(const std::string& text)
{
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '\n')
            quoted += "\\n";
        else if (c == '"' || c == '\\')
            quoted += std::string("\\") + c;
        else
            quoted += c;
    }
    return quoted + "\"";
}

}  // namespace

namespace headless {

void SetLayout565(bool is565)
{
    layout565 = is565;
}

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

void OnPresent(std::function<void(int frameNumber, const std::uint16_t* pixels)> hook)
{
    presentHook = std::move(hook);
}

std::uint32_t FrameCrc32(const std::uint16_t* pixels)
{
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    auto add = [&](std::uint8_t byte) { crc = table[(crc ^ byte) & 0xFF] ^ (crc >> 8); };
    for (std::size_t i = 0; i < kFramePixels; ++i) {
        add(static_cast<std::uint8_t>(pixels[i] & 0xFF));
        add(static_cast<std::uint8_t>(pixels[i] >> 8));
    }
    return crc ^ 0xFFFFFFFFu;
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

void SetEcho(bool on)
{
    echo = on;
}

void SetWallClock(std::time_t seconds)
{
    wallClock = seconds;
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
    if (echo) {
        const headless::MessageBoxRecord& box = messageBoxes.back();
        std::printf("box %s %s %u\n", Quoted(box.caption).c_str(), Quoted(box.text).c_str(), box.style);
        std::fflush(stdout);
    }
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
    if (echo) {
        std::printf("sound %s\n", line);
        std::fflush(stdout);
    }
}

}  // namespace host
