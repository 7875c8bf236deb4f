#include "platform/sdl/mouse_motion.h"

#include <cmath>

namespace sdlhost {

MouseMotion::Step MouseMotion::Convert(int dx, int dy, double unitsPerPixel)
{
    if (!(unitsPerPixel > 0.0)) {
        unitsPerPixel = 1.0;
    }
    const double x = restX_ + dx / unitsPerPixel;
    const double y = restY_ + dy / unitsPerPixel;
    const double wholeX = std::trunc(x);
    const double wholeY = std::trunc(y);
    restX_ = x - wholeX;
    restY_ = y - wholeY;
    return Step{static_cast<int>(wholeX), static_cast<int>(wholeY)};
}

}  // namespace sdlhost
