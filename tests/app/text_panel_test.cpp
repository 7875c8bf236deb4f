// The thirteen lines of the text panel: each fits the panel (32 CP949 bytes at most), is a
// format without a conversion, and is well-formed CP949.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "texts/texts.h"

namespace {

struct Line {
    const char* name;
    const char* text;
    std::size_t bytes;
};

const Line kPanel[] = {
    {"PanelGreeting", text::PanelGreeting, 27}, {"PanelNote1", text::PanelNote1, 29},
    {"PanelNote2", text::PanelNote2, 29},       {"PanelNote3", text::PanelNote3, 28},
    {"PanelNote4", text::PanelNote4, 28},       {"PanelVerse1", text::PanelVerse1, 29},
    {"PanelVerse2", text::PanelVerse2, 28},     {"PanelVerse3", text::PanelVerse3, 29},
    {"PanelVerse4", text::PanelVerse4, 29},     {"PanelVerse5", text::PanelVerse5, 30},
    {"PanelVerse6", text::PanelVerse6, 30},     {"PanelVerse7", text::PanelVerse7, 22},
    {"PanelAside", text::PanelAside, 30},
};

// Lead bytes 0x81-0xFE each with a trail byte of CP949's ranges; everything else ASCII.
bool IsCp949(const std::string& text)
{
    for (std::size_t at = 0; at < text.size(); ++at) {
        const auto lead = static_cast<unsigned char>(text[at]);
        if (lead < 0x80) continue;
        if (lead == 0x80 || lead == 0xFF || at + 1 == text.size()) return false;
        const auto trail = static_cast<unsigned char>(text[++at]);
        const bool trailOk = (trail >= 0x41 && trail <= 0x5A) || (trail >= 0x61 && trail <= 0x7A) ||
                             (trail >= 0x81 && trail <= 0xFE);
        if (!trailOk) return false;
    }
    return true;
}

}  // namespace

TEST(TextPanel, EveryLineFitsThePanelAndPrintsAsItStands)
{
    for (const Line& line : kPanel) {
        const std::string text = line.text;
        EXPECT_EQ(text.size(), line.bytes) << line.name;
        EXPECT_LE(text.size(), 32u) << line.name << " runs past the screen's right edge";
        EXPECT_EQ(text.find('%'), std::string::npos) << line.name << " would be read as a conversion";
        EXPECT_TRUE(IsCp949(text)) << line.name;
    }
}

TEST(TextPanel, LinesAreKorean)
{
    for (const Line& line : kPanel) {
        int hangul = 0;
        for (const char* at = line.text; *at != 0; ++at) {
            const auto lead = static_cast<unsigned char>(*at);
            if (lead >= 0xB0 && lead <= 0xC8) ++hangul, ++at;  // the Hangul syllables of KS X 1001
        }
        EXPECT_GE(hangul, 5) << line.name;
    }
}
