// The desktop host, and who does what on which thread:
// - The process's main thread owns SDL's video. It alone calls SDL's video, window, event
//   and render functions: it opens the display, makes and drops the window, turns the
//   desktop's events into the message queue, key state and cursor, toggles full screen,
//   draws the newest frame the game presented, and shows message boxes.
// - The game's thread runs WinMain. Its loop (peek one message, tick, wait 10 ms) never waits
//   for the display: it presents into the frame mailbox, and asks the main thread for what
//   only the main thread may do (main_thread_calls.h), which happens at start, at the end
//   and for a message box.
// - SDL_mixer's audio thread mixes the sound the game's thread starts and stops.
// The threads meet only in the message queue with key state and cursor, the frame mailbox,
// and the calls' request slot; each guards itself.
#include "platform/sdl/desktop_host.h"

#include <SDL.h>
#include <pthread.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "platform/feed.h"
#include "platform/input_state.h"
#include "platform/sdl/close_signals.h"
#include "platform/sdl/events.h"
#include "platform/sdl/main_thread_calls.h"
#include "platform/sdl/screen.h"
#include "platform/sdl/x11_watch.h"

namespace {

std::atomic<bool> gameOver{false};
std::thread guest;

bool Lost()
{
    return sdlhost::DisplayLost() || sdlhost::WindowLost();
}

void ShowPointerAsTheGameWants()
{
    static bool shown = true;
    if (inputstate::PointerShown() != shown) {
        shown = !shown;
        SDL_ShowCursor(shown ? SDL_ENABLE : SDL_DISABLE);
    }
}

// One turn of the main thread: the game's calls, signals, the desktop's events and the picture.
void TendDisplay()
{
    sdlhost::ServeCalls();
    if (sdlhost::CloseSignalled()) FeedMessage(WM_CLOSE, 0, 0);
    if (sdlhost::GameWindow() == nullptr || Lost()) {
        sdlhost::WaitForCall(std::chrono::milliseconds(10));
        return;
    }
    const int wait = sdlhost::ShowNewestFrame();
    SDL_Event event;
    if (SDL_WaitEventTimeout(&event, wait) != 0) {
        do {
            sdlhost::Dispatch(event);
        } while (!Lost() && SDL_PollEvent(&event) != 0);
    }
    if (Lost()) {
        std::fputs("Tumblox: the game's window was taken away\n", stderr);
        FeedMessage(WM_CLOSE, 0, 0);
        return;
    }
    ShowPointerAsTheGameWants();
}

// The X connection broke inside an Xlib call on this thread, which must not be returned to:
// the game ends in its order from here (every call now leaves the display alone), and then
// the process, with status 1.
[[noreturn]] void EndWithoutDisplay()
{
    std::fputs("Tumblox: the display went away\n", stderr);
    sdlhost::AnswerCallInProgress(false);
    FeedMessage(WM_CLOSE, 0, 0);
    while (!gameOver.load()) {
        sdlhost::ServeCalls();
        sdlhost::WaitForCall(std::chrono::milliseconds(10));
    }
    guest.join();
    std::fflush(nullptr);
    std::_Exit(EXIT_FAILURE);
}

}  // namespace

namespace sdlhost {

int RunDesktopGame(int (*game)())
{
    CatchCloseSignals();
    ServeCallsOnThisThread();
    WhenDisplayIsLost(EndWithoutDisplay);
    int status = EXIT_FAILURE;
    guest = std::thread([&] {
        pthread_setname_np(pthread_self(), "tumblox-game");  // to tell it from the display's
        status = game();
        gameOver.store(true);
        WakeMainThread();
    });
    while (!gameOver.load()) TendDisplay();
    guest.join();
    const bool lost = Lost();
    CloseDisplay();
    return lost ? EXIT_FAILURE : status;
}

}  // namespace sdlhost
