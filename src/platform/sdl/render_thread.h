// The thread that shows frames. It owns the renderer and the texture, takes the newest frame
// from the mailbox whenever it is free, and scales it into the window; the game's present
// only posts. A change of the window's size makes it build its renderer anew for the new size.
#pragma once

#include <SDL.h>

#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

#include "platform/sdl/frame_mailbox.h"
#include "platform/sdl/frame_drawing.h"

namespace sdlhost {

class RenderThread {
public:
    RenderThread() = default;
    RenderThread(const RenderThread&) = delete;
    RenderThread& operator=(const RenderThread&) = delete;
    ~RenderThread();

    // Starts the thread and waits until it has its renderer; false (and no thread) without one.
    bool Start(SDL_Window* window);
    void Post(const std::uint16_t* pixels);
    // The window's size changed (from the event filter, on the window's thread).
    void WindowResized();
    // Stops the thread and waits for it; the renderer is gone afterwards.
    void Stop();

private:
    void Run(std::atomic<int>* started);
    bool MakeRenderer();
    void DropRenderer();
    void Draw(const std::vector<std::uint16_t>& frame);

    SDL_Window* window_ = nullptr;
    FrameMailbox mailbox_;
    std::thread thread_;
    std::atomic<unsigned> resizes_{0};

    // The render thread's own.
    SDL_Renderer* renderer_ = nullptr;
    FrameTexture texture_;
    unsigned resizesSeen_ = 0;
};

}  // namespace sdlhost
