#include "platform/message_queue.h"

#include <algorithm>
#include <deque>
#include <mutex>

namespace messagequeue {
namespace {

std::mutex lock;
std::deque<MSG> posted;  // guarded by lock
std::deque<MSG> input;   // guarded by lock

bool IsInput(UINT message)
{
    switch (message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        return true;
    default:
        return false;
    }
}

bool Stays(UINT message)
{
    return message == WM_CLOSE || message == WM_DESTROY || message == WM_QUIT;
}

// Makes room for one more message, giving up the oldest that may go; false when none may.
bool MakeRoom(UINT incoming)
{
    if (!input.empty()) {
        input.pop_front();
        return true;
    }
    if (IsInput(incoming)) return false;
    const auto victim = std::find_if(posted.begin(), posted.end(), [](const MSG& m) { return !Stays(m.message); });
    if (victim == posted.end()) return false;
    posted.erase(victim);
    return true;
}

}  // namespace

bool Post(const MSG& message)
{
    const std::lock_guard<std::mutex> hold(lock);
    if (message.message == WM_MOUSEMOVE) {
        auto pending = std::find_if(input.begin(), input.end(), [&](const MSG& m) {
            return m.message == WM_MOUSEMOVE && m.hwnd == message.hwnd;
        });
        if (pending != input.end()) {
            *pending = message;
            return true;
        }
    }
    if (posted.size() + input.size() >= kLimit && !MakeRoom(message.message)) return false;
    (IsInput(message.message) ? input : posted).push_back(message);
    return true;
}

bool Peek(MSG* message, bool remove)
{
    const std::lock_guard<std::mutex> hold(lock);
    std::deque<MSG>& first = posted.empty() ? input : posted;
    if (first.empty()) return false;
    *message = first.front();
    if (remove) first.pop_front();
    return true;
}

}  // namespace messagequeue
