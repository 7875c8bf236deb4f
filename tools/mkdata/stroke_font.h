// Letters built from round-ended strokes (straight ones and circular arcs), measured as a
// distance field so they can be filled, lit, outlined and made to glow at any size.
#pragma once

#include <string_view>
#include <vector>

struct Stroke {
    bool arc = false;
    float ax = 0, ay = 0, bx = 0, by = 0;  // a straight stroke from a to b
    float cx = 0, cy = 0, radius = 0;      // an arc about c ...
    float from = 0, to = 0;                // ... from angle `from` to `to` (radians, y down, from < to)
};

// A straight stroke from (ax, ay) to (bx, by).
inline Stroke Line(float ax, float ay, float bx, float by) {
    Stroke s;
    s.ax = ax, s.ay = ay, s.bx = bx, s.by = by;
    return s;
}

// An arc about (cx, cy) from angle `from` to `to`.
inline Stroke Arc(float cx, float cy, float radius, float from, float to) {
    Stroke s;
    s.arc = true;
    s.cx = cx, s.cy = cy, s.radius = radius, s.from = from, s.to = to;
    return s;
}

struct Lettering {
    std::vector<Stroke> strokes;
    float halfWidth = 0;  // of every stroke
    float width = 0;      // from the left edge of the first letter to the right edge of the last
    float top = 0;        // the ascender's top edge
    float baseline = 0;   // the bottom edge
};

// The word in the generator's own rounded lower-case hand (capital T allowed); letters it
// does not know are left out.
Lettering LayOut(std::string_view word);
// Signed distance from (x, y), in the lettering's units, to the nearest stroke edge.
float LetteringDistance(const Lettering& lettering, float x, float y);
