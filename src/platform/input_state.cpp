#include "platform/input_state.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <mutex>

namespace inputstate {
namespace {

struct Key {
    bool down = false;
    bool pressedSinceQuery = false;
};

std::mutex lock;
std::array<Key, 256> keys;                        // guarded by lock
POINT cursor{kScreenWidth / 2, kScreenHeight / 2};  // guarded by lock
std::atomic<bool> pointerShown{true};

bool Valid(int virtualKey)
{
    return virtualKey >= 0 && virtualKey < static_cast<int>(keys.size());
}

bool PlaceCursorLocked(long long x, long long y)
{
    const POINT placed{static_cast<LONG>(std::clamp<long long>(x, 0, kScreenWidth - 1)),
                       static_cast<LONG>(std::clamp<long long>(y, 0, kScreenHeight - 1))};
    const bool moved = placed.x != cursor.x || placed.y != cursor.y;
    cursor = placed;
    return moved;
}

}  // namespace

bool SetKey(int virtualKey, bool down)
{
    if (!Valid(virtualKey)) return false;
    const std::lock_guard<std::mutex> hold(lock);
    Key& key = keys[virtualKey];
    if (key.down == down) return false;
    key.down = down;
    if (down) key.pressedSinceQuery = true;
    return true;
}

void ReleaseAllKeys()
{
    const std::lock_guard<std::mutex> hold(lock);
    for (Key& key : keys) key.down = false;
}

bool KeyDown(int virtualKey)
{
    if (!Valid(virtualKey)) return false;
    const std::lock_guard<std::mutex> hold(lock);
    return keys[virtualKey].down;
}

SHORT QueryKey(int virtualKey)
{
    if (!Valid(virtualKey)) return 0;
    const std::lock_guard<std::mutex> hold(lock);
    Key& key = keys[virtualKey];
    const std::uint16_t state = (key.down ? 0x8000 : 0) | (key.pressedSinceQuery ? 0x0001 : 0);
    key.pressedSinceQuery = false;
    return static_cast<SHORT>(state);
}

POINT Cursor()
{
    const std::lock_guard<std::mutex> hold(lock);
    return cursor;
}

bool PlaceCursor(long long x, long long y)
{
    const std::lock_guard<std::mutex> hold(lock);
    return PlaceCursorLocked(x, y);
}

bool MoveCursor(int dx, int dy)
{
    const std::lock_guard<std::mutex> hold(lock);
    return PlaceCursorLocked(static_cast<long long>(cursor.x) + dx, static_cast<long long>(cursor.y) + dy);
}

void SetPointerShown(bool shown)
{
    pointerShown.store(shown);
}

bool PointerShown()
{
    return pointerShown.load();
}

}  // namespace inputstate
