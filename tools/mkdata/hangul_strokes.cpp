#include "hangul_strokes.h"

#include <algorithm>

namespace {

constexpr float kPi = 3.14159265358979f;
constexpr float kHalf = 4.5f;
constexpr float kBoxWidth = 64, kBoxHeight = 72, kGap = 6;
constexpr float kLow = kHalf, kHigh = kBoxHeight - kHalf;  // stroke centres stay inside the box

// The letters' places in the syllable table: first consonants, vowels, and the final
// consonant, drawn as the first consonant of the same shape.
enum Initial { kGiyeok = 0, kIeung = 11, kJieut = 12, kHieut = 18 };
enum Vowel { kA = 0, kAe = 1, kO = 8, kOe = 11, kYo = 12, kI = 20 };
constexpr int kFinalIeung = 21;

struct Rect {
    float x0, y0, x1, y1;
    float MidX() const { return (x0 + x1) / 2; }
    float Width() const { return x1 - x0; }
    float Height() const { return y1 - y0; }
};

void Ring(float cx, float cy, float radius, std::vector<Stroke>& out) { out.push_back(Arc(cx, cy, radius, 0, 2 * kPi)); }

void Consonant(int letter, const Rect& r, std::vector<Stroke>& out) {
    const float mx = r.MidX(), w = r.Width(), h = r.Height();
    switch (letter) {
    case kGiyeok:
        out.push_back(Line(r.x0, r.y0, r.x1, r.y0));
        out.push_back(Line(r.x1, r.y0, r.x1 - 0.15f * w, r.y1));
        break;
    case kJieut: {
        out.push_back(Line(r.x0, r.y0, r.x1, r.y0));
        out.push_back(Line(mx, r.y0, r.x0, r.y1));
        const float t = 0.42f;
        out.push_back(Line(mx + (r.x0 - mx) * t, r.y0 + h * t, r.x1, r.y1));
        break;
    }
    case kHieut: {
        const float bar = r.y0 + 0.28f * h;
        out.push_back(Line(mx - 0.2f * w, r.y0, mx + 0.2f * w, r.y0));
        out.push_back(Line(r.x0, bar, r.x1, bar));
        const float radius = std::min((r.y1 - bar - 2.4f * kHalf) / 2, w / 2);
        Ring(mx, r.y1 - radius, radius, out);
        break;
    }
    case kIeung: {
        const float radius = std::min(w, h) / 2;
        Ring(mx, (r.y0 + r.y1) / 2, radius, out);
        break;
    }
    default:
        break;
    }
}

bool Beside(int vowel) { return vowel == kA || vowel == kAe || vowel == kI; }

// A vowel standing to the right, from top to bottom, with its short strokes at mid-height.
void UprightVowel(int vowel, float x, float y0, float y1, std::vector<Stroke>& out) {
    const float mid = (y0 + y1) / 2;
    out.push_back(Line(x, y0, x, y1));
    if (vowel == kA) out.push_back(Line(x, mid, x + 11, mid));
    if (vowel == kAe) {
        out.push_back(Line(x, mid, x + 14, mid));
        out.push_back(Line(x + 14, y0, x + 14, y1));
    }
}

// A vowel lying under the consonant: the bar, with one or two short strokes rising from it.
void FlatVowel(int vowel, const Rect& r, float rise, std::vector<Stroke>& out) {
    out.push_back(Line(r.x0, r.y1, r.x1, r.y1));
    const float w = r.Width();
    const float stems[] = {0.5f, 0.33f, 0.67f};
    for (int k = vowel == kYo ? 1 : 0; k < (vowel == kYo ? 3 : 1); ++k) {
        const float x = r.x0 + stems[k] * w;
        out.push_back(Line(x, r.y1 - rise, x, r.y1));
    }
}

void Syllable(char32_t code, float x, std::vector<Stroke>& out) {
    const int index = static_cast<int>(code - 0xAC00);
    const int initial = index / 588, vowel = index % 588 / 28, final = index % 28;
    const bool tail = final != 0;
    auto at = [x](Rect r) { return Rect{r.x0 + x, r.y0, r.x1 + x, r.y1}; };
    const bool below = vowel == kO || vowel == kYo;
    if (vowel == kOe) {
        Consonant(initial, at(Rect{kLow + 2, kLow, 34, 20}), out);
        FlatVowel(kO, at(Rect{kLow, 0, 36, 33}), 8, out);
        UprightVowel(kI, x + 56, kLow, 42, out);
    } else if (below) {
        Consonant(initial, at(tail ? Rect{14, kLow, 50, 26} : Rect{14, kLow, 50, 38}), out);
        FlatVowel(vowel, at(Rect{kLow, 0, kBoxWidth - kHalf, tail ? 38.0f : 62.0f}), tail ? 8 : 12, out);
    } else {
        // A vowel beside the consonant; one the hand does not know leaves its place empty.
        const float column = vowel == kAe ? 42 : 44, right = column - 12;
        Consonant(initial, at(tail ? Rect{kLow, kLow + 2, right, 36} : Rect{kLow, 10, right, 62}), out);
        if (Beside(vowel)) UprightVowel(vowel, x + column, kLow, tail ? 42 : kHigh, out);
    }
    if (tail) Consonant(final == kFinalIeung ? kIeung : -1, at(Rect{12, 48, 52, kHigh}), out);
}

}  // namespace

Lettering LayOutHangul(std::u32string_view text) {
    Lettering lettering;
    lettering.halfWidth = kHalf;
    lettering.top = 0;
    lettering.baseline = kBoxHeight;
    float x = 0;
    for (char32_t code : text) {
        if (code >= 0xAC00 && code <= 0xD7A3) {
            Syllable(code, x, lettering.strokes);
            x += kBoxWidth + kGap;
        } else if (code == U'!') {
            const float mid = x + kHalf + 2;
            lettering.strokes.push_back(Line(mid, 6, mid, 46));
            Ring(mid, 62, 1.8f, lettering.strokes);
            x += 2 * kHalf + 4 + kGap;
        }
    }
    lettering.width = std::max(0.0f, x - kGap);
    return lettering;
}
