#include "stroke_font.h"

#include <algorithm>
#include <cmath>

#include "picture.h"

namespace {

constexpr float kPi = 3.14159265358979f;
// The hand's lines, y downward: ascender, x-height and baseline of the stroke centres.
constexpr float kHalf = 5.5f;
constexpr float kAscender = kHalf;
constexpr float kXHeight = 24.0f;
constexpr float kBaseline = 56.0f - kHalf;
constexpr float kBowl = (kBaseline - kXHeight) / 2.0f;  // radius of the round letters
constexpr float kGap = 5.0f;

// Adds one letter with its left stroke centre at x; gives the centre line's width.
float AddLetter(char letter, float x, std::vector<Stroke>& out) {
    const float midBowl = kXHeight + kBowl;
    switch (letter) {
    case 'T':
        out.push_back(Line(x, kAscender, x + 34, kAscender));
        out.push_back(Line(x + 17, kAscender, x + 17, kBaseline));
        return 34;
    case 'u':
        out.push_back(Line(x, kXHeight, x, midBowl));
        out.push_back(Arc(x + kBowl, midBowl, kBowl, 0, kPi));
        out.push_back(Line(x + 2 * kBowl, kXHeight, x + 2 * kBowl, kBaseline));
        return 2 * kBowl;
    case 'm': {
        const float r = 10.5f;
        out.push_back(Line(x, kXHeight, x, kBaseline));
        out.push_back(Arc(x + r, kXHeight + r, r, kPi, 2 * kPi));
        out.push_back(Line(x + 2 * r, kXHeight + r, x + 2 * r, kBaseline));
        out.push_back(Arc(x + 3 * r, kXHeight + r, r, kPi, 2 * kPi));
        out.push_back(Line(x + 4 * r, kXHeight + r, x + 4 * r, kBaseline));
        return 4 * r;
    }
    case 'b':
        out.push_back(Line(x, kAscender, x, kBaseline));
        out.push_back(Arc(x + kBowl, midBowl, kBowl, 0, 2 * kPi));
        return 2 * kBowl;
    case 'l':
        out.push_back(Line(x, kAscender, x, kBaseline - 4));
        out.push_back(Arc(x + 6, kBaseline - 4, 6, kPi / 2, kPi));
        return 6;
    case 'o':
        out.push_back(Arc(x + kBowl, midBowl, kBowl, 0, 2 * kPi));
        return 2 * kBowl;
    case 'x':
        out.push_back(Line(x, kXHeight, x + 2 * kBowl, kBaseline));
        out.push_back(Line(x + 2 * kBowl, kXHeight, x, kBaseline));
        return 2 * kBowl;
    default:
        return -kGap - 2 * kHalf;
    }
}

float StrokeDistance(const Stroke& s, float x, float y) {
    if (!s.arc) return SegmentDistance(x, y, s.ax, s.ay, s.bx, s.by);
    float angle = std::atan2(y - s.cy, x - s.cx);
    if (angle < s.from) angle += 2 * kPi;
    if (angle >= s.from && angle <= s.to) return std::fabs(std::hypot(x - s.cx, y - s.cy) - s.radius);
    const float ex0 = s.cx + s.radius * std::cos(s.from), ey0 = s.cy + s.radius * std::sin(s.from);
    const float ex1 = s.cx + s.radius * std::cos(s.to), ey1 = s.cy + s.radius * std::sin(s.to);
    return std::min(std::hypot(x - ex0, y - ey0), std::hypot(x - ex1, y - ey1));
}

}  // namespace

Lettering LayOut(std::string_view word) {
    Lettering lettering;
    lettering.halfWidth = kHalf;
    lettering.top = 0;
    lettering.baseline = kBaseline + kHalf;
    float x = kHalf;
    for (std::size_t i = 0; i < word.size(); ++i) {
        // The T's bar reaches over a following small letter.
        if (i > 0 && word[i - 1] == 'T') x -= 8;
        x += AddLetter(word[i], x, lettering.strokes) + 2 * kHalf + kGap;
    }
    lettering.width = x - kGap - kHalf;
    return lettering;
}

float LetteringDistance(const Lettering& lettering, float x, float y) {
    float nearest = 1e9f;
    for (const Stroke& s : lettering.strokes) nearest = std::min(nearest, StrokeDistance(s, x, y));
    return nearest - lettering.halfWidth;
}
