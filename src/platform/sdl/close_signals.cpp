#include "platform/sdl/close_signals.h"

#include <atomic>
#include <csignal>

namespace {

std::atomic<bool> closeSignalled{false};

extern "C" void OnCloseSignal(int signalNumber)
{
    closeSignalled.store(true);
    std::signal(signalNumber, SIG_DFL);
}

}  // namespace

namespace sdlhost {

void CatchCloseSignals()
{
    std::signal(SIGINT, OnCloseSignal);
    std::signal(SIGTERM, OnCloseSignal);
}

bool CloseSignalled()
{
    return closeSignalled.exchange(false);
}

}  // namespace sdlhost
