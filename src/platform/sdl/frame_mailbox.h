// The one slot between the game's present and the main thread's drawing. The game copies
// each finished frame in and goes on at once; the main thread takes the newest one when the
// screen is ready for it. A frame that was overwritten before it was taken is never shown,
// like a frame the display was too busy to take.
#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

namespace sdlhost {

constexpr int kFrameWidth = 640;
constexpr int kFrameHeight = 480;
constexpr std::size_t kFramePixels = static_cast<std::size_t>(kFrameWidth) * kFrameHeight;

class FrameMailbox {
public:
    FrameMailbox();

    // Game thread: copies a 640x480 frame in; waits for nothing but a pointer swap.
    void Post(const std::uint16_t* pixels);
    // Main thread: swaps a frame newer than the last one taken into `frame` (which must hold
    // kFramePixels); false, and `frame` untouched, when none is newer.
    bool TakeFresh(std::vector<std::uint16_t>& frame);

private:
    std::vector<std::uint16_t> filling_;  // the game thread's own buffer
    std::mutex lock_;
    std::vector<std::uint16_t> newest_;  // guarded by lock_
    bool fresh_ = false;                 // guarded by lock_
};

}  // namespace sdlhost
