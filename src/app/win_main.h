// The program's outer control: the window, the intro, the main loop of one message and one
// tick per iteration, and the shutdown that follows every start.
#pragma once

#include <cstdlib>

#include "platform/win32.h"

// Where the game ends when its start fails (window class, display or loading), so that
// whoever started it can tell; a normal end (Escape, close) is a success. A quit message's
// own code is passed on as it is.
constexpr int kStartFailedExitCode = EXIT_FAILURE;
constexpr int kQuitExitCode = EXIT_SUCCESS;
// The show command the platform hands a program started normally; the game ignores it.
constexpr int SW_SHOWDEFAULT = 10;

// The handle of the running program's own module.
HINSTANCE ThisModule();

// Fills the message table, runs the application and shuts down, whatever happened. The
// result is the process exit code. Only the instance handle is used.
int WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLine, int showCommand);
// The game's window under its one name, which is both the class name and the title.
int RunApplication();
// Registers the class, creates the window, runs the intro and then the main loop. Returns
// the quit message's code, kQuitExitCode after Escape or a close, or kStartFailedExitCode
// when the start failed.
int RunMainWindow(const char* name);
