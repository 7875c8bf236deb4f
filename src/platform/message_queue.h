// The window's message queue. It is bounded and coalesces the way Windows does, so a flood
// of input can never grow it or hold up a close: at most one mouse move waits (the newest
// position wins), and when the queue is full the oldest input message gives way. A close,
// destroy or quit message is never dropped for input. Like Windows, it hands out posted
// messages (a close, a quit, the game's own) before input, each kind in the order it came.
// The display side posts input while the game takes messages, so every call is thread-safe.
#pragma once

#include <cstddef>

#include "platform/win32.h"

namespace messagequeue {

constexpr std::size_t kLimit = 256;

// False when the message could not be queued (the queue is full of messages that stay).
bool Post(const MSG& message);
// The first waiting message, removed when asked; false when none waits.
bool Peek(MSG* message, bool remove);

}  // namespace messagequeue
