#include "combo_banner.h"

#include "hangul_strokes.h"
#include "lettering_paint.h"

namespace {

constexpr int kHeight = 96;
constexpr float kOutline = 2.2f;

}  // namespace

RgbImage ComboBanner() {
    const Lettering text = LayOutHangul(kComboText);
    // The outline's outer edge, not just the fill, stays between the ink bounds.
    const float room = kBannerInkRight - kBannerInkLeft - 2 * kOutline;
    const float scale = room / text.width;
    const float left = kBannerInkLeft + kOutline;
    const float top = (kHeight - text.baseline * scale) / 2;
    auto distance = [&](float x, float y) {
        return LetteringDistance(text, (x - left) / scale, (y - top) / scale) * scale;
    };
    LetteringLook look;
    look.topFill = Hex(0xFFFBE0), look.midFill = Hex(0xFFC02A), look.lowFill = Hex(0xFF3C5C);
    look.nearGlow = Hex(0x7A30E8), look.farGlow = Hex(0x3040C0);
    look.nearStrength = 0.5f, look.farStrength = 0.2f;
    look.outline = Hex(0x2848D8), look.outlineWidth = kOutline;
    const LetteringPlace place{distance, text.halfWidth * scale, top, top + text.baseline * scale};
    return Quantize(PaintLettering(kBannerWidth, kHeight, place, look), 5, true);
}
