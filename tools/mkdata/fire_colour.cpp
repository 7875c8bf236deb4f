#include "fire_colour.h"

#include <algorithm>

namespace {

struct Stop {
    float heat;
    Colour colour;
};

template <std::size_t N>
Colour Along(const Stop (&stops)[N], float heat) {
    heat = std::clamp(heat, 0.0f, stops[N - 1].heat);
    for (std::size_t i = 1; i < N; ++i) {
        if (heat <= stops[i].heat) {
            const float t = (heat - stops[i - 1].heat) / (stops[i].heat - stops[i - 1].heat);
            return Mix(stops[i - 1].colour, stops[i].colour, t);
        }
    }
    return stops[N - 1].colour;
}

}  // namespace

Colour FireColour(float heat) {
    static const Stop stops[] = {{0.00f, {0.00f, 0.00f, 0.00f}}, {0.18f, {0.35f, 0.02f, 0.01f}},
                                 {0.40f, {0.85f, 0.18f, 0.02f}}, {0.62f, {1.00f, 0.50f, 0.06f}},
                                 {0.82f, {1.00f, 0.80f, 0.22f}}, {1.00f, {1.00f, 0.95f, 0.55f}},
                                 {1.40f, {1.00f, 1.00f, 0.85f}}};
    return Along(stops, heat);
}

Colour FlameColour(float heat) {
    static const Stop stops[] = {{0.00f, {0.00f, 0.00f, 0.00f}}, {0.25f, {0.30f, 0.02f, 0.00f}},
                                 {0.55f, {0.70f, 0.12f, 0.02f}}, {0.80f, {0.88f, 0.30f, 0.03f}},
                                 {1.00f, {0.95f, 0.46f, 0.06f}}};
    return Along(stops, heat);
}
