// The browser's backend: the game runs as a coroutine (ASYNCIFY) that gives the browser its
// turn while it busy-waits; the page draws the newest presented frame on its own animation
// frame and feeds input through page_input.cpp.
#include "platform/host.h"

#include <emscripten.h>

#include <array>
#include <cstring>
#include <ctime>
#include <functional>
#include <vector>

#include "platform/cp949.h"
#include "platform/echo_lines.h"
#include "platform/rgb_image.h"
#include "platform/scripted_host.h"
#include "platform/web/page_calls.h"
#include "platform/web/web.h"
#include "platform/win32.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr std::size_t kFramePixels = static_cast<std::size_t>(kWidth) * kHeight;
// A reading this soon after the last one is a busy-wait polling: the browser gets its turn.
// The first reading of a wait comes after the tick's drawing, later than this, and is answered
// at once, so that the wait starts when the game asks and not a nap later.
constexpr double kPollingGapMs = 0.25;

bool layout565 = true;
bool echo = false;
std::time_t wallClock = 0;
bool virtualClock = false;
std::uint32_t virtualNow = 0;
double lastReading = -1e9;

int presents = 0;
std::function<void(int, const std::uint16_t*)> presentHook;

// The newest frame, kept until the page's next animation frame; a newer one replaces it.
std::vector<std::uint16_t> newestFrame(kFramePixels);
bool frameWaiting = false;
std::vector<std::uint32_t> pageFrame(kFramePixels);  // RGBA, as the canvas takes it

const std::array<std::uint32_t, 65536>& RgbaTable()
{
    static std::array<std::uint32_t, 65536> table{};
    static bool builtFor565 = false;
    static bool built = false;
    if (!built || builtFor565 != layout565) {
        for (std::uint32_t pixel = 0; pixel < table.size(); ++pixel) {
            std::uint8_t rgb[3];
            Widen16(static_cast<std::uint16_t>(pixel), layout565, rgb);
            table[pixel] = rgb[0] | rgb[1] << 8 | rgb[2] << 16 | 0xFFu << 24;
        }
        built = true;
        builtFor565 = layout565;
    }
    return table;
}

}  // namespace

// The page's animation frame: the newest frame in RGBA, or null when none has come since.
extern "C" const std::uint32_t* tumblox_take_frame()
{
    if (!frameWaiting) return nullptr;
    frameWaiting = false;
    const auto& table = RgbaTable();
    for (std::size_t i = 0; i < kFramePixels; ++i) pageFrame[i] = table[newestFrame[i]];
    return pageFrame.data();
}

namespace webhost {

void UseVirtualClock()
{
    virtualClock = true;
}

void GameEnded(int exitCode)
{
    tumblox_game_ended(exitCode);
}

}  // namespace webhost

namespace scripted {

void SetLayout565(bool is565)
{
    layout565 = is565;
}

void SetWallClock(std::time_t seconds)
{
    wallClock = seconds;
}

void SetEcho(bool on)
{
    echo = on;
}

void OnPresent(std::function<void(int frameNumber, const std::uint16_t* pixels)> hook)
{
    presentHook = std::move(hook);
}

}  // namespace scripted

namespace host {

bool CallFails(Call)
{
    return false;
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
    return width == kWidth && height == kHeight;
}

void RestoreScreenMode() {}

bool ScreenIs565()
{
    return layout565;
}

void PresentFrame(const std::uint16_t* pixels)
{
    std::memcpy(newestFrame.data(), pixels, kFramePixels * sizeof *pixels);
    frameWaiting = true;
    ++presents;
    if (presentHook) presentHook(presents, pixels);
}

// The page feeds input as it arrives, while the game waits.
void PumpEvents() {}

void ShowMessageBox(const char* caption, const char* text, unsigned style)
{
    if (echo) {
        EchoMessageBox(caption, text, style);
        return;  // a scripted run goes on, as the headless one does
    }
    tumblox_message_box(Cp949ToUtf8(caption).c_str(), Cp949ToUtf8(text).c_str(), (style & MB_ICONHAND) != 0);
}

std::uint32_t Milliseconds()
{
    if (virtualClock) return virtualNow++;
    double now = emscripten_get_now();
    if (now - lastReading < kPollingGapMs) {
        tumblox_nap();
        now = emscripten_get_now();
    }
    lastReading = now;
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(now));
}

std::time_t WallClockSeconds()
{
    return virtualClock ? wallClock : std::time(nullptr);
}

void RecordSoundCall(const char* line)
{
    if (echo) EchoSoundCall(line);
}

}  // namespace host
