// The one narrow interface a backend implements. The stand-in calls above it (win32, ddraw,
// gdi, mmtimer, fsound) hold all the semantics; a backend only shows, hears, counts and feeds.
// Exactly one backend is linked into a program: sdl/ for the game, headless/ for tests.
#pragma once

#include <cstdint>
#include <ctime>

namespace host {

// The platform calls that the game lets fail. The stand-in asks before each such call.
enum class Call {
    RegisterClassA,
    DirectDrawCreate,
    SetCooperativeLevel,
    SetDisplayMode,
    CreateSurface,  // every creation counts, the primary first
    GetAttachedSurface,
    GetDC,
    Lock,
    FSOUND_Init,
    FSOUND_GetVersion,  // "fails" by reporting version 3.1
    FSOUND_Sample_LoadWav,
    FSOUND_Stream_OpenMpeg,
};

// True when this call (counted per kind, from 1) is to fail. The real backend never fails one.
bool CallFails(Call call);

// Display. OpenVideo is DirectDrawCreate's question "can anything be shown at all?".
bool OpenVideo();
bool TakeOverScreen();                     // SetCooperativeLevel: exclusive full screen
bool SetScreenMode(int width, int height);  // SetDisplayMode at 16 bits per pixel
void RestoreScreenMode();
bool ScreenIs565();  // the screen's 16-bit layout: 5-6-5, or else 5-5-5
// A finished 640x480 frame in the screen's layout, rows 1280 bytes apart. Never waits.
void PresentFrame(const std::uint16_t* pixels);

// Input: move whatever input has arrived into the message queue, key state and cursor
// (through feed.h). Called from PeekMessageA and GetAsyncKeyState; never blocks.
void PumpEvents();

// Shows a message box (CP949 caption and text, MB_* style) and returns when it is dismissed.
void ShowMessageBox(const char* caption, const char* text, unsigned style);

// Clocks: milliseconds for timeGetTime (wrapping), and wall-clock seconds for seeding.
std::uint32_t Milliseconds();
std::time_t WallClockSeconds();

// A line describing one sound-library call, for the record of a test run ("FSOUND_Init 44100 32 0").
void RecordSoundCall(const char* line);

}  // namespace host
