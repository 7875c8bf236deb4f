#include "fire_colour.h"

#include <algorithm>

namespace {

struct Stop {
    float heat;
    Colour colour;
};

}  // namespace

Colour FireColour(float heat) {
    static const Stop stops[] = {{0.00f, {0.00f, 0.00f, 0.00f}}, {0.18f, {0.35f, 0.02f, 0.01f}},
                                 {0.40f, {0.85f, 0.18f, 0.02f}}, {0.62f, {1.00f, 0.50f, 0.06f}},
                                 {0.82f, {1.00f, 0.80f, 0.22f}}, {1.00f, {1.00f, 0.95f, 0.55f}},
                                 {1.40f, {1.00f, 1.00f, 0.85f}}};
    heat = std::clamp(heat, 0.0f, 1.4f);
    for (std::size_t i = 1; i < std::size(stops); ++i) {
        if (heat <= stops[i].heat) {
            const float t = (heat - stops[i - 1].heat) / (stops[i].heat - stops[i - 1].heat);
            return Mix(stops[i - 1].colour, stops[i].colour, t);
        }
    }
    return stops[std::size(stops) - 1].colour;
}
