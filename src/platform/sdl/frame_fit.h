// Where the 640x480 picture goes in a window of any size: as large as fits, the aspect kept,
// centred between black bars.
#pragma once

namespace sdlhost {

struct FitRect {
    int x;
    int y;
    int width;
    int height;
};

// The picture's place in an output of this many pixels (at least 1x1 of picture).
FitRect FitFrame(int outputWidth, int outputHeight);
// Output units per picture pixel for that fit (the same both ways, the aspect being kept).
double FitScale(int outputWidth, int outputHeight);

struct WindowSize {
    int width;
    int height;
};
// The window size after leaving full screen: the largest whole multiple of 640x480 that
// leaves room for window decorations on this desktop, and never less than 640x480.
WindowSize WindowedSize(int desktopWidth, int desktopHeight);

}  // namespace sdlhost
