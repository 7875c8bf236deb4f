#include "contact_sheet.h"

#include <algorithm>

#include "game_screen.h"
#include "gfx/display.h"
#include "platform/headless/headless.h"
#include "sheet_canvas.h"
#include "sheet_data.h"

namespace {

constexpr int kSheetWidth = 1960;
constexpr int kSheetHeight = 2290;
constexpr int kGap = 10;
constexpr int kLabelHeight = 20;

// One row of sprites, each enlarged, wrapping at the sheet's edge; gives the y below it.
int SpriteRow(SheetCanvas& sheet, const SpriteList& sprites, int y, int scale, PasteMode mode, const char* title) {
    sheet.Label(kGap, y, title, 0xFFD870);
    y += kLabelHeight;
    int x = kGap;
    int rowHeight = 0;
    for (std::size_t i = 0; i < sprites.size(); ++i) {
        const Surface& s = *sprites[i];
        const int w = s.width * scale, h = s.height * scale;
        if (x + w > kSheetWidth - kGap) x = kGap, y += rowHeight + kLabelHeight + kGap, rowHeight = 0;
        sheet.Checker(x, y, w, h);
        sheet.Paste(s, x, y, scale, mode);
        sheet.Label(x, y + h + 2, std::to_string(i), 0xA0A0A0);
        x += w + kGap;
        rowHeight = std::max(rowHeight, h);
    }
    return y + rowHeight + kLabelHeight + kGap;
}

// The loaded picture and the seven dimming steps, a quarter size each; gives the y below.
int DimmingRow(SheetCanvas& sheet, const SheetData& data, int y) {
    sheet.Label(kGap, y, "BACK1.Qsf as loaded (5-6-5), then after each of the intro's 7 dimming steps", 0xFFD870);
    y += kLabelHeight;
    std::unique_ptr<Canvas> background = LoadSheetBackground(data);
    for (int step = 0; step <= 7; ++step) {
        if (step > 0) background->FadeStep(0);
        const RgbImage shown = Expand16(background->pixels, background->width, background->height, true);
        const int x = kGap + step * (160 + kGap);
        sheet.PasteShrunk(shown, x, y, 4);
        sheet.Label(x, y + 122, step == 0 ? "loaded" : "step " + std::to_string(step), 0xA0A0A0);
    }
    return y + 120 + kLabelHeight + kGap;
}

bool StartDisplay(bool is565, std::string* error) {
    ReleaseDisplay();
    headless::SetLayout565(is565);
    if (InitDisplay() == 1 && TheDisplay.is565 == (is565 ? 1 : 0)) return true;
    *error = "the headless display did not come up";
    return false;
}

}  // namespace

bool WriteContactSheet(const std::string& sheetPath, const std::string& dataDirectory, const std::string& unifontHex,
                       std::string* error) {
    GlyphSet font;
    if (!LoadGlyphs(unifontHex, {SheetCharacters()}, &font, error)) return false;
    SheetCanvas sheet(kSheetWidth, kSheetHeight, font);
    RgbImage screens[4];
    int y = kGap;
    {
        if (!StartDisplay(true, error)) return false;
        SheetData data;
        if (!LoadSheetData(dataDirectory, &data, error)) return false;
        y = SpriteRow(sheet, data.blocks, y, 4, PasteMode::Keyed, "Block.QSF: 8 cells 24x16 (x4), key magenta; 7 = stone");
        y = SpriteRow(sheet, data.logo, y, 2, PasteMode::Additive, "Logo.QSF (x2), added");
        y = SpriteRow(sheet, data.combo, y, 2, PasteMode::Additive, "Combo.Qsf, 5-5-5 (x2), added");
        y = SpriteRow(sheet, data.flames, y, 4, PasteMode::Additive, "Flame.Qsf: 21 frames 16x24, 5-5-5 (x4), added");
        y = SpriteRow(sheet, data.explosions, y, 1, PasteMode::Additive, "Explo.Qsf: 23 frames 128x128, added");
        y = DimmingRow(sheet, data, y);
        screens[0] = GameScreen(data, Moment::Play);
        screens[1] = GameScreen(data, Moment::RowBurning);
        screens[2] = GameScreen(data, Moment::FourRowClear);
    }
    {
        if (!StartDisplay(false, error)) return false;
        SheetData data;
        if (!LoadSheetData(dataDirectory, &data, error)) return false;
        screens[3] = GameScreen(data, Moment::Play);
    }
    ReleaseDisplay();
    const char* titles[4] = {"Game screen, 5-6-5", "A row burning (flame frame 9), 5-6-5",
                             "Four-row clear (explosion frame 6), 5-6-5", "Game screen, 5-5-5"};
    for (int i = 0; i < 4; ++i) {
        const int x = kGap + (i % 3) * (640 + kGap), top = y + (i / 3) * (480 + kLabelHeight + kGap);
        sheet.Label(x, top, titles[i], 0xFFD870);
        sheet.PasteShrunk(screens[i], x, top + kLabelHeight, 1);
    }
    return WritePng(sheetPath, sheet.Image(), error);
}
