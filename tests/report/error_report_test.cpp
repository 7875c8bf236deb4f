#include "report/error_report.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/headless/headless.h"

// A text up to 255 bytes is shown whole; a longer one is cut to 255 bytes, or 254 when the
// 255th would be the first half of a double-byte character; nothing is written past the
// buffer.
TEST(FormatText, LongTextIsCutAtACharacterBoundary)
{
    std::string hangul;
    for (int i = 0; i < 150; ++i) hangul += "\xC7\xD1";
    const std::string a253(253, 'a');
    const struct {
        const char* format;
        std::string text;
        std::string expected;
    } cases[] = {
        {"(%s)", "\xC7\xD1", "(\xC7\xD1)"},
        {"%s", std::string(255, 'e'), std::string(255, 'e')},
        {"%s", std::string(300, 'a'), std::string(255, 'a')},
        {"%s", hangul, hangul.substr(0, 254)},
        {"A%s", hangul, "A" + hangul.substr(0, 254)},
        {"%s", a253 + hangul, a253 + "\xC7\xD1"},  // a trail byte last ends its character
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << &c - cases);
        char buffer[320];
        std::memset(buffer, 0x55, sizeof buffer);
        const auto format = [&buffer](const char* f, ...) {
            std::va_list args;
            va_start(args, f);
            FormatText(buffer, f, args);
            va_end(args);
        };
        format(c.format, c.text.c_str());
        EXPECT_EQ(std::string(buffer), c.expected);
        EXPECT_EQ(std::string(buffer + kTextBufferSize, buffer + sizeof buffer), std::string(64, 0x55));
    }
}

// ReportError shows its text formatted the same way, with an OK button and no icon.
TEST(ReportError, ShowsTheTextCutToTheBuffer)
{
    EXPECT_EQ(ReportError("QDDraw", "%s!", std::string(400, 'n').c_str()), 1);
    ASSERT_EQ(headless::MessageBoxes().size(), 1u);
    EXPECT_EQ(headless::MessageBoxes()[0].text, std::string(255, 'n'));
    EXPECT_EQ(headless::MessageBoxes()[0].style, MB_OK);
}
