#include "app/error_report.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/headless/headless.h"

namespace {

// FormatText through a variable argument list, into a buffer with room to spare so that a
// write past the 256 bytes shows.
std::string Format(char (&buffer)[320], const char* format, ...) __attribute__((format(printf, 2, 3)));
std::string Format(char (&buffer)[320], const char* format, ...)
{
    std::memset(buffer, 0x55, sizeof buffer);
    std::va_list args;
    va_start(args, format);
    FormatText(buffer, format, args);
    va_end(args);
    return buffer;
}

bool UntouchedPast256(const char (&buffer)[320])
{
    for (std::size_t i = kTextBufferSize; i < sizeof buffer; ++i)
        if (buffer[i] != 0x55) return false;
    return true;
}

// The formatted text in an OK box; a text too long is cut and still shown.
TEST(ReportError, ShowsTheFormattedTextInAnOkBox)
{
    EXPECT_EQ(ReportError("QDDraw", "%s \xC6\xC4\xC0\xCF\xC0\xCC \xBE\xF8\xBD\xC0\xB4\xCF\xB4\xD9.", "BACK1.Qsf"), 1);
    EXPECT_EQ(ReportError("QDDraw", "%s!", std::string(400, 'n').c_str()), 1);
    ASSERT_EQ(headless::MessageBoxes().size(), 2u);
    EXPECT_EQ(headless::MessageBoxes()[0].caption, "QDDraw");
    EXPECT_EQ(headless::MessageBoxes()[0].text, "BACK1.Qsf 파일이 없습니다.");
    EXPECT_EQ(headless::MessageBoxes()[0].style, MB_OK);
    EXPECT_EQ(headless::MessageBoxes()[1].text, std::string(255, 'n'));
}

TEST(FormatText, ShortTextIsKeptWhole)
{
    char buffer[320];
    EXPECT_EQ(Format(buffer, "(%d,%d) %s", 3, -4, "\xC7\xD1"), "(3,-4) \xC7\xD1");
    const std::string exact(255, 'e');
    EXPECT_EQ(Format(buffer, "%s", exact.c_str()), exact);
}

// 300 bytes of text: the cut keeps 255 bytes, or 254 when the 255th would be the first half
// of a double-byte character; nothing is written past the buffer.
TEST(FormatText, LongTextIsCutAtACharacterBoundary)
{
    std::string hangul;
    for (int i = 0; i < 150; ++i) hangul += "\xC7\xD1";
    char buffer[320];

    EXPECT_EQ(Format(buffer, "%s", hangul.c_str()), hangul.substr(0, 254));
    EXPECT_TRUE(UntouchedPast256(buffer));

    EXPECT_EQ(Format(buffer, "A%s", hangul.c_str()), "A" + hangul.substr(0, 254));
    EXPECT_TRUE(UntouchedPast256(buffer));

    const std::string ascii(300, 'a');
    EXPECT_EQ(Format(buffer, "%s", ascii.c_str()), ascii.substr(0, 255));
    EXPECT_TRUE(UntouchedPast256(buffer));

    // A trail byte in the last place ends its character there: nothing to drop.
    EXPECT_EQ(Format(buffer, "%s%s", std::string(253, 'a').c_str(), hangul.c_str()),
              std::string(253, 'a') + "\xC7\xD1");
}

}  // namespace
