// The thirteen lines of the text panel: each fits the panel (32 CP949 bytes at most) and is a
// format without a conversion.
#include <gtest/gtest.h>

#include <string>

#include "texts/texts.h"

TEST(TextPanel, EveryLineFitsThePanelAndPrintsAsItStands)
{
    for (const char* line : {text::PanelGreeting, text::PanelNote1, text::PanelNote2, text::PanelNote3,
                             text::PanelNote4, text::PanelVerse1, text::PanelVerse2, text::PanelVerse3,
                             text::PanelVerse4, text::PanelVerse5, text::PanelVerse6, text::PanelVerse7,
                             text::PanelAside}) {
        const std::string text = line;
        EXPECT_GT(text.size(), 20u) << text;
        EXPECT_LE(text.size(), 32u) << text << " runs past the screen's right edge";
        EXPECT_EQ(text.find('%'), std::string::npos) << text << " would be read as a conversion";
    }
}
