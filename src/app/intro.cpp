#include "app/intro.h"

#include <cstdint>

#include "app/load_resources.h"
#include "game/game_tick.h"
#include "game/resources.h"
#include "gfx/display.h"
#include "platform/clock.h"
#include "platform/crt_random.h"
#include "platform/gdi.h"
#include "texts/texts.h"

namespace {

constexpr std::int16_t kLogoX = 370;
constexpr std::int16_t kLogoY = 0;
constexpr std::int16_t kPanelX = 382;

struct PanelLine {
    std::int16_t y;
    const char* text;
};

// Greeting, the note, the verse and the aside, each at its own height.
const PanelLine kTextPanel[] = {
    {150, text::PanelGreeting},
    {180, text::PanelNote1},
    {200, text::PanelNote2},
    {220, text::PanelNote3},
    {240, text::PanelNote4},
    {270, text::PanelVerse1},
    {290, text::PanelVerse2},
    {310, text::PanelVerse3},
    {330, text::PanelVerse4},
    {350, text::PanelVerse5},
    {370, text::PanelVerse6},
    {390, text::PanelVerse7},
    {420, text::PanelAside},
};

void TakeStartingCursor()
{
    POINT cursor{};
    GetCursorPos(&cursor);
    MouseState.currentX = static_cast<std::int16_t>(cursor.x);
    MouseState.referenceX = static_cast<std::int16_t>(cursor.x);
    MouseState.currentY = static_cast<std::int16_t>(cursor.y);
}

// The background loses 4 levels a channel in every frame and keeps the loss for the whole
// game; the logo is added afresh each time.
void DimBackground()
{
    for (int frame = 0; frame < kDimmingFrames; ++frame) {
        BackgroundCanvas->FadeStep(0);
        BackgroundCanvas->BlitTo(*CompositionCanvas, 0, 0);
        LogoSprite->BlendAddTo(*CompositionCanvas, kLogoX, kLogoY);
        CompositionCanvas->Present();
    }
}

// White text on a transparent background, for the panel and for every status line after it.
void SetUpText()
{
    CompositionCanvas->SetTextBkMode(TRANSPARENT);
    BackgroundCanvas->SetTextBkMode(TRANSPARENT);
    CompositionCanvas->SetTextRGB(255, 255, 255);
    BackgroundCanvas->SetTextRGB(255, 255, 255);
}

// Onto the background, so it shows from the first tick on and never before.
void WriteTextPanel()
{
    for (const PanelLine& line : kTextPanel) BackgroundCanvas->Printf(kPanelX, line.y, "%s", line.text);
}

}  // namespace

int RunIntro()
{
    ShowCursor(FALSE);
    InitDisplay();
    // Without a primary surface nothing can be shown and no surface made: stop as after a
    // failed load. A missing back buffer only changes how frames are presented.
    if (TheDisplay.primary == nullptr) return 0;
    crt::srand(static_cast<unsigned>(WallClockSeconds()));
    TakeStartingCursor();
    if (LoadResources() == 0) return 0;
    DimBackground();
    SetUpText();
    WriteTextPanel();
    return 1;
}
