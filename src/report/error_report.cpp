// The main window's handle and the error report that every drawing and file layer shares.
#include "report/error_report.h"

#include <cstdio>

#include "platform/cp949.h"

HWND MainWindow = nullptr;

void FormatText(char* buffer, const char* format, std::va_list args)
{
    const int wanted = std::vsnprintf(buffer, kTextBufferSize, format, args);
    if (wanted < 0) buffer[0] = '\0';  // a conversion the formatter refused shows nothing
    if (wanted < kTextBufferSize) return;

    // Cut: walk the kept bytes character by character; a lead byte left alone in the last
    // place lost its second half to the cut, so it goes too.
    const int kept = kTextBufferSize - 1;
    int at = 0;
    while (at < kept) {
        const auto byte = static_cast<unsigned char>(buffer[at]);
        if (at == kept - 1 && byte >= 0x81 && byte <= 0xFE) {
            buffer[at] = '\0';
            return;
        }
        cp949::Glyph glyph;
        char32_t codePoint;
        at += cp949::NextCharacter(buffer + at, kept - at, &glyph, &codePoint);
    }
}

int ReportError(const char* caption, const char* format, ...)
{
    char text[kTextBufferSize];
    std::va_list args;
    va_start(args, format);
    FormatText(text, format, args);
    va_end(args);
    MessageBoxA(MainWindow, text, caption, MB_OK);
    return 1;
}
