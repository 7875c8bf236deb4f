#include "platform/sdl/message_box_picture.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/cp949.h"

namespace sdlhost {

namespace {

constexpr std::uint32_t kPaper = 0xF0F0F0;
constexpr std::uint32_t kInk = 0x000000;
constexpr std::uint32_t kButtonFace = 0xE1E1E1;
constexpr std::uint32_t kButtonEdge = 0x0078D7;  // the default button's coloured edge
constexpr std::uint32_t kStopRed = 0xE81123;
constexpr std::uint32_t kStopWhite = 0xFFFFFF;

constexpr int kMargin = 16;
constexpr int kSignSize = 32;
constexpr int kSignGap = 12;
constexpr int kLineWidth = 480;  // widest text line, in pixels
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 26;
constexpr int kSmallestWidth = 200;
constexpr int kSpaceWidth = 8;  // an ASCII cell

struct Line {
    std::string bytes;
    int width = 0;
};

int CharacterAt(const std::string& text, std::size_t at, int* width)
{
    cp949::Glyph glyph;
    char32_t codePoint;
    const int length = cp949::NextCharacter(text.data() + at, static_cast<int>(text.size() - at), &glyph, &codePoint);
    *width = glyph.width;
    return length;
}

// Lines no wider than kLineWidth, broken at the last space that fits (which goes), or inside
// a word too long for a line; a line feed always breaks.
std::vector<Line> WrapText(const std::string& text)
{
    std::vector<Line> lines;
    Line line;
    std::size_t afterSpace = 0;  // where the line may break, 0 for nowhere
    int widthAfterSpace = 0;
    for (std::size_t at = 0; at < text.size();) {
        int width = 0;
        const int length = CharacterAt(text, at, &width);
        const char byte = text[at];
        at += length;
        if (byte == '\n' || byte == '\r') {
            if (byte == '\n') lines.push_back(std::move(line)), line = Line{}, afterSpace = 0;
            continue;
        }
        if (line.width + width > kLineWidth && !line.bytes.empty()) {
            Line rest;
            if (afterSpace != 0) {
                rest = Line{line.bytes.substr(afterSpace), line.width - widthAfterSpace};
                line.bytes.resize(afterSpace - 1);
                line.width = widthAfterSpace - kSpaceWidth;
            }
            lines.push_back(std::move(line));
            line = std::move(rest);
            afterSpace = 0;
        }
        line.bytes.append(text, at - length, length);
        line.width += width;
        if (byte == ' ') afterSpace = line.bytes.size(), widthAfterSpace = line.width;
    }
    lines.push_back(std::move(line));
    return lines;
}

class Canvas {
public:
    explicit Canvas(BoxPicture& picture) : picture_(picture) {}

    void Fill(const BoxArea& area, std::uint32_t colour)
    {
        for (int y = area.y; y < area.y + area.height; ++y)
            std::fill_n(&picture_.pixels[y * picture_.width + area.x], area.width, colour);
    }

    void Text(int x, int y, const std::string& text)
    {
        for (std::size_t at = 0; at < text.size();) {
            cp949::Glyph glyph;
            char32_t codePoint;
            at += cp949::NextCharacter(text.data() + at, static_cast<int>(text.size() - at), &glyph, &codePoint);
            for (int row = 0; row < cp949::kGlyphHeight; ++row)
                for (int column = 0; column < glyph.width; ++column)
                    if (glyph.Inked(row, column)) picture_.pixels[(y + row) * picture_.width + x + column] = kInk;
            x += glyph.width;
        }
    }

    // A red disc with a white cross, as the platform's stop sign.
    void StopSign(int left, int top)
    {
        const double centre = (kSignSize - 1) / 2.0;
        for (int y = 0; y < kSignSize; ++y) {
            for (int x = 0; x < kSignSize; ++x) {
                const double dx = x - centre, dy = y - centre;
                if (dx * dx + dy * dy > centre * centre) continue;
                const bool cross = std::abs(std::abs(dx) - std::abs(dy)) < 2.2 && std::abs(dx) < 8;
                picture_.pixels[(top + y) * picture_.width + left + x] = cross ? kStopWhite : kStopRed;
            }
        }
    }

private:
    BoxPicture& picture_;
};

}  // namespace

BoxPicture DrawMessageBox(const char* text, bool stopSign)
{
    const std::vector<Line> lines = WrapText(text);
    int textWidth = 0;
    for (const Line& line : lines) textWidth = std::max(textWidth, line.width);
    const int textHeight = static_cast<int>(lines.size()) * cp949::kGlyphHeight;
    const int textLeft = kMargin + (stopSign ? kSignSize + kSignGap : 0);
    const int bodyHeight = std::max(textHeight, stopSign ? kSignSize : 0);

    BoxPicture picture;
    picture.width = std::max({textLeft + textWidth + kMargin, kButtonWidth + 2 * kMargin, kSmallestWidth});
    picture.height = kMargin + bodyHeight + kMargin + kButtonHeight + kMargin / 2 + 4;
    picture.pixels.assign(static_cast<std::size_t>(picture.width) * picture.height, kPaper);
    picture.okButton = {(picture.width - kButtonWidth) / 2, kMargin + bodyHeight + kMargin, kButtonWidth, kButtonHeight};

    Canvas canvas(picture);
    if (stopSign) canvas.StopSign(kMargin, kMargin);
    int y = kMargin + (bodyHeight - textHeight) / 2;
    for (const Line& line : lines) {
        canvas.Text(textLeft, y, line.bytes);
        y += cp949::kGlyphHeight;
    }
    const BoxArea& button = picture.okButton;
    canvas.Fill(button, kButtonEdge);
    canvas.Fill({button.x + 2, button.y + 2, button.width - 4, button.height - 4}, kButtonFace);
    canvas.Text(button.x + (button.width - 16) / 2, button.y + (button.height - cp949::kGlyphHeight) / 2, "OK");
    return picture;
}

}  // namespace sdlhost
