// Relative mouse motion in window units turned into virtual cursor pixels: one sweep across
// the picture is 640 pixels at any window size. What a slow hand moves by less than a pixel
// is kept for the next event, so no motion is lost to rounding.
#pragma once

namespace sdlhost {

class MouseMotion {
public:
    struct Step {
        int dx;
        int dy;
    };
    // `unitsPerPixel` is the window's current picture scale (window units per picture pixel).
    Step Convert(int dx, int dy, double unitsPerPixel);

private:
    double restX_ = 0.0;
    double restY_ = 0.0;
};

}  // namespace sdlhost
