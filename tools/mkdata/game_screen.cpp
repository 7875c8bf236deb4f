#include "game_screen.h"

#include "gfx/display.h"
#include "prng.h"
#include "shape_file.h"
#include "texts/texts.h"

namespace {

constexpr int kWellX = 40, kWellY = 40, kCellW = 24, kCellH = 16;

// The well's lower rows in mid-game: '.' empty, digits the Board value (type + 1).
constexpr const char* kStack[] = {
    "............", "............", "............", "............", "............", "............",
    "............", "............", "............", "............", "............", "............",
    "............", "............", "............", "............", "....3.......", "...33....1..",
    "2..73...661.", "22.77..4661.", "25577.44466.", "555.1144.666", "55513114.677", "2221311.4777",
};

struct PanelLine {
    int y;
    const char* text;
};

const PanelLine kPanel[] = {{150, text::PanelGreeting}, {180, text::PanelNote1},  {200, text::PanelNote2},
                            {220, text::PanelNote3},    {240, text::PanelNote4},  {270, text::PanelVerse1},
                            {290, text::PanelVerse2},   {310, text::PanelVerse3}, {330, text::PanelVerse4},
                            {350, text::PanelVerse5},   {370, text::PanelVerse6}, {390, text::PanelVerse7},
                            {420, text::PanelAside}};

struct Cell {
    int value;  // Board value 1-8
    int x, y;   // on screen
};

constexpr int kBurningRow = 23;

std::vector<Cell> WellCells(bool fillBurningRow) {
    std::vector<Cell> cells;
    for (int r = 0; r < 25; ++r) {
        for (int c = 0; c < 14; ++c) {
            // The stack's rows hold only the inside of the well: walls and floor are stone.
            const bool wall = c == 0 || c == 13 || r == 24;
            const char held = wall ? '8' : kStack[r][c - 1];
            const char mark = fillBurningRow && r == kBurningRow && held == '.' ? '5' : held;
            const int value = mark == '.' ? 0 : mark - '0';
            if (value) cells.push_back({value, kWellX + kCellW * c, kWellY + kCellH * r});
        }
    }
    // The falling T, turned once, and the next piece (the line) in the preview.
    const auto shapes = PieceShapes();
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            if (shapes[2][1][i][j]) cells.push_back({3, kWellX + kCellW * (6 + j), kWellY + kCellH * (9 + i)});
            if (shapes[0][0][i][j]) cells.push_back({1, 410 + kCellW * j, 96 + kCellH * i});
        }
    }
    return cells;
}

}  // namespace

RgbImage GameScreen(const SheetData& data, Moment moment) {
    std::unique_ptr<Canvas> background = LoadSheetBackground(data);
    for (int step = 0; step < 7; ++step) background->FadeStep(0);
    background->SetTextBkMode(1);
    background->SetTextRGB(255, 255, 255);
    for (const PanelLine& line : kPanel) background->Printf(382, static_cast<std::int16_t>(line.y), "%s", line.text);

    Canvas screen(640, 480);
    screen.SetTextBkMode(1);
    screen.SetTextRGB(255, 255, 255);
    background->BlitTo(screen, 0, 0);
    const std::vector<Cell> cells = WellCells(moment == Moment::RowBurning);
    for (const Cell& cell : cells)
        data.blocks[cell.value - 1]->BlendPercentTo(screen, static_cast<std::int16_t>(cell.x + 8),
                                                    static_cast<std::int16_t>(cell.y + 8), 30);
    for (const Cell& cell : cells)
        data.blocks[cell.value - 1]->BlitTo(screen, static_cast<std::int16_t>(cell.x), static_cast<std::int16_t>(cell.y));
    data.logo[0]->BlendAddTo(screen, 370, 0);
    screen.Printf(0, 0, text::StatusLine, 6, 9, 20, 37);
    if (moment == Moment::RowBurning) {
        for (int c = 1; c <= 12; ++c) {
            const int x = kWellX + kCellW * c, y = kCellH * kBurningRow + 34;
            data.flames[9]->BlendAddTo(screen, static_cast<std::int16_t>(x - 2), static_cast<std::int16_t>(y));
            data.flames[9]->BlendAddTo(screen, static_cast<std::int16_t>(x + 10), static_cast<std::int16_t>(y));
        }
    }
    if (moment == Moment::FourRowClear) {
        Prng prng(5);
        for (int k = 0; k < 10; ++k) {
            const auto x = static_cast<std::int16_t>(prng.Below(511)), y = static_cast<std::int16_t>(prng.Below(351));
            data.explosions[6]->BlendAddTo(screen, x, y);
        }
        data.combo[0]->BlendAddTo(screen, 30, 100);
    }
    return Expand16(screen.pixels, screen.width, screen.height, TheDisplay.is565 != 0);
}
