#include "platform/sdl/frame_mailbox.h"

#include <cstring>
#include <utility>

namespace sdlhost {

FrameMailbox::FrameMailbox() : filling_(kFramePixels), newest_(kFramePixels) {}

void FrameMailbox::Post(const std::uint16_t* pixels)
{
    std::memcpy(filling_.data(), pixels, kFramePixels * sizeof(std::uint16_t));
    const std::lock_guard<std::mutex> hold(lock_);
    std::swap(filling_, newest_);
    fresh_ = true;
}

bool FrameMailbox::TakeFresh(std::vector<std::uint16_t>& frame)
{
    const std::lock_guard<std::mutex> hold(lock_);
    if (!fresh_) return false;
    std::swap(frame, newest_);
    fresh_ = false;
    return true;
}

}  // namespace sdlhost
