#include "platform/message_queue.h"

#include <algorithm>
#include <deque>

namespace messagequeue {
namespace {

std::deque<MSG> queue;

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
    auto victim = std::find_if(queue.begin(), queue.end(), [](const MSG& m) { return IsInput(m.message); });
    if (victim == queue.end() && !IsInput(incoming))
        victim = std::find_if(queue.begin(), queue.end(), [](const MSG& m) { return !Stays(m.message); });
    if (victim == queue.end()) return false;
    queue.erase(victim);
    return true;
}

}  // namespace

bool Post(const MSG& message)
{
    if (message.message == WM_MOUSEMOVE) {
        auto pending = std::find_if(queue.begin(), queue.end(), [&](const MSG& m) {
            return m.message == WM_MOUSEMOVE && m.hwnd == message.hwnd;
        });
        if (pending != queue.end()) {
            *pending = message;
            return true;
        }
    }
    if (queue.size() >= kLimit && !MakeRoom(message.message)) return false;
    queue.push_back(message);
    return true;
}

bool Peek(MSG* message, bool remove)
{
    if (queue.empty()) return false;
    *message = queue.front();
    if (remove) queue.pop_front();
    return true;
}

std::size_t Waiting()
{
    return queue.size();
}

}  // namespace messagequeue
