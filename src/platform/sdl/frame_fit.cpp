#include "platform/sdl/frame_fit.h"

#include <algorithm>
#include <cmath>

#include "platform/sdl/frame_mailbox.h"

namespace sdlhost {

double FitScale(int outputWidth, int outputHeight)
{
    return std::min(static_cast<double>(outputWidth) / kFrameWidth,
                    static_cast<double>(outputHeight) / kFrameHeight);
}

FitRect FitFrame(int outputWidth, int outputHeight)
{
    const double scale = FitScale(outputWidth, outputHeight);
    // The side that decides the scale fills its whole length; the other is rounded.
    const int width = std::max(1, std::min(outputWidth, static_cast<int>(std::lround(kFrameWidth * scale))));
    const int height =
        std::max(1, std::min(outputHeight, static_cast<int>(std::lround(kFrameHeight * scale))));
    return FitRect{(outputWidth - width) / 2, (outputHeight - height) / 2, width, height};
}

WindowSize WindowedSize(int desktopWidth, int desktopHeight)
{
    // Title bar, borders and a panel take some of the desktop; keep a tenth free.
    const int usableWidth = desktopWidth * 9 / 10;
    const int usableHeight = desktopHeight * 9 / 10;
    const int multiple = std::max(1, std::min(usableWidth / kFrameWidth, usableHeight / kFrameHeight));
    return WindowSize{kFrameWidth * multiple, kFrameHeight * multiple};
}

}  // namespace sdlhost
