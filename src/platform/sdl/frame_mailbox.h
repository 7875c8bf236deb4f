// The one slot between the game's present and the render thread. The game copies each
// finished frame in and goes on at once; the render thread takes the newest one whenever it
// is free. A frame that was overwritten before the render thread got to it is never shown,
// like a frame the display was too busy to take.
#pragma once

#include <condition_variable>
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
    // Render thread: waits for a frame newer than the last one taken, and swaps it into
    // `frame` (which must hold kFramePixels). False once the mailbox is closed.
    bool Take(std::vector<std::uint16_t>& frame);
    // Wakes the render thread for good; later posts are dropped.
    void Close();

private:
    std::vector<std::uint16_t> filling_;  // the game thread's own buffer
    std::mutex lock_;
    std::condition_variable posted_;
    std::vector<std::uint16_t> newest_;  // guarded by lock_
    bool fresh_ = false;
    bool closed_ = false;
};

}  // namespace sdlhost
