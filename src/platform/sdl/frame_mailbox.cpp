#include "platform/sdl/frame_mailbox.h"

#include <cstring>
#include <utility>

namespace sdlhost {

FrameMailbox::FrameMailbox() : filling_(kFramePixels), newest_(kFramePixels) {}

void FrameMailbox::Post(const std::uint16_t* pixels)
{
    std::memcpy(filling_.data(), pixels, kFramePixels * sizeof(std::uint16_t));
    {
        std::lock_guard<std::mutex> hold(lock_);
        if (closed_) {
            return;
        }
        std::swap(filling_, newest_);
        fresh_ = true;
    }
    posted_.notify_one();
}

bool FrameMailbox::Take(std::vector<std::uint16_t>& frame)
{
    std::unique_lock<std::mutex> hold(lock_);
    posted_.wait(hold, [this] { return fresh_ || closed_; });
    if (closed_) {
        return false;
    }
    std::swap(frame, newest_);
    fresh_ = false;
    return true;
}

void FrameMailbox::Close()
{
    {
        std::lock_guard<std::mutex> hold(lock_);
        closed_ = true;
    }
    posted_.notify_all();
}

}  // namespace sdlhost
