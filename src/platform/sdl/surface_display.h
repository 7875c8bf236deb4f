// The picture where no GPU draws it: scaled by us, nearest neighbour, straight into the
// window's own surface. After a whole picture only the rows that changed since the last one
// are drawn and sent to the X server; in play that is the status line and the falling piece,
// a few dozen of the 480 rows, so sitting in play costs the machine little.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <vector>

#include "platform/sdl/frame_fit.h"
#include "platform/sdl/frame_mailbox.h"

namespace sdlhost {

class SurfaceDisplay {
public:
    // The window's picture was resized, uncovered or shown again: the next Draw paints and
    // sends all of it, black bars included.
    void RepaintAll() { whole_ = true; }
    bool WantsRepaint() const { return whole_; }
    // Draws a 640x480 5-6-5 frame into the window as large as fits between black bars.
    void Draw(SDL_Window* window, const std::uint16_t* frame);

private:
    void Layout(int width, int height);
    // The first and one past the last row of `frame` that differ from the picture shown.
    void ChangedRows(const std::uint16_t* frame, int& first, int& end) const;
    void ScaleRow(const std::uint16_t* row);

    bool whole_ = true;
    std::vector<std::uint16_t> shown_;  // the frame the window shows, once drawn whole
    int surfaceWidth_ = 0;
    int surfaceHeight_ = 0;
    FitRect fit_{};
    std::vector<int> sourceColumn_;       // for each picture column in the window
    std::vector<int> sourceRow_;          // for each picture row in the window
    std::vector<std::uint32_t> widened_ = std::vector<std::uint32_t>(kFrameWidth);  // a frame row, XRGB8888
    std::vector<std::uint32_t> scaled_;   // the same row at window size
};

}  // namespace sdlhost
