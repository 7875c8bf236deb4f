#include "platform/sdl/main_thread_calls.h"

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace sdlhost {

namespace {

struct Calls {
    std::mutex lock;
    std::condition_variable changed;
    std::optional<std::thread::id> server;        // guarded by lock
    const std::function<bool()>* waiting = nullptr;  // guarded by lock
    bool inProgress = false;                      // guarded by lock
    std::optional<bool> answer;                   // guarded by lock
    bool woken = false;                           // guarded by lock
};

Calls calls;

}  // namespace

void ServeCallsOnThisThread()
{
    const std::lock_guard<std::mutex> hold(calls.lock);
    calls.server = std::this_thread::get_id();
}

bool CallOnMainThread(const std::function<bool()>& call)
{
    std::unique_lock<std::mutex> hold(calls.lock);
    if (!calls.server || *calls.server == std::this_thread::get_id()) {
        hold.unlock();
        return call();
    }
    // One game thread: one call at a time.
    calls.waiting = &call;
    calls.answer.reset();
    calls.changed.notify_all();
    calls.changed.wait(hold, [] { return calls.answer.has_value(); });
    return *calls.answer;
}

void ServeCalls()
{
    const std::function<bool()>* call = nullptr;
    {
        const std::lock_guard<std::mutex> hold(calls.lock);
        std::swap(call, calls.waiting);
        calls.inProgress = call != nullptr;
    }
    if (call == nullptr) return;
    const bool answer = (*call)();
    AnswerCallInProgress(answer);
}

void AnswerCallInProgress(bool answer)
{
    {
        const std::lock_guard<std::mutex> hold(calls.lock);
        if (!calls.inProgress) return;
        calls.inProgress = false;
        calls.answer = answer;
    }
    calls.changed.notify_all();
}

void WaitForCall(std::chrono::milliseconds longest)
{
    std::unique_lock<std::mutex> hold(calls.lock);
    calls.changed.wait_for(hold, longest, [] { return calls.waiting != nullptr || calls.woken; });
    calls.woken = false;
}

void WakeMainThread()
{
    {
        const std::lock_guard<std::mutex> hold(calls.lock);
        calls.woken = true;
    }
    calls.changed.notify_all();
}

}  // namespace sdlhost
