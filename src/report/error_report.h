// The one window's handle, owner of every message box, and the routine through which the
// drawing and file layers tell the player of a failure.
#pragma once

#include <cstdarg>

#include "platform/win32.h"

extern HWND MainWindow;

// Every formatted text of the game fits in 255 bytes and the terminating zero.
constexpr int kTextBufferSize = 256;

// Formats like vsprintf into buffer (kTextBufferSize bytes). A longer text is cut at 255
// bytes, one less when that would split a double-byte CP949 character.
void FormatText(char* buffer, const char* format, std::va_list args);

// Formats like printf into 256 bytes (a longer text is cut at a CP949 character boundary)
// and shows it in a message box with an OK button and no icon. Always 1.
int ReportError(const char* caption, const char* format, ...) __attribute__((format(printf, 2, 3)));
