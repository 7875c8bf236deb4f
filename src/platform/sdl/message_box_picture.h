// The picture of a message box, drawn by the game itself so that Korean reads on any
// machine: the text in the same Unifont glyphs as the game's own text, wrapped to lines, the
// stop sign for an error, and an OK button.
#pragma once

#include <cstdint>
#include <vector>

namespace sdlhost {

struct BoxArea {
    int x, y, width, height;
    bool Contains(int px, int py) const { return px >= x && py >= y && px < x + width && py < y + height; }
};

struct BoxPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // XRGB8888, rows `width` pixels apart
    BoxArea okButton{};
};

// The box for a CP949 text, with the stop sign or without an icon.
BoxPicture DrawMessageBox(const char* text, bool stopSign);

}  // namespace sdlhost
