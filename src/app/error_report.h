// The one window's handle, owner of every message box, and the routine through which the
// drawing and file layers tell the player of a failure.
#pragma once

#include "platform/win32.h"

extern HWND MainWindow;

// Formats like printf into 256 bytes (a longer text is cut at a CP949 character boundary)
// and shows it in a message box with an OK button and no icon. Always 1.
int ReportError(const char* caption, const char* format, ...) __attribute__((format(printf, 2, 3)));
