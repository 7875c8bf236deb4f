#include "platform/input_state.h"

#include <algorithm>
#include <array>

namespace inputstate {
namespace {

struct Key {
    bool down = false;
    bool pressedSinceQuery = false;
};

std::array<Key, 256> keys;
POINT cursor{kScreenWidth / 2, kScreenHeight / 2};

bool Valid(int virtualKey)
{
    return virtualKey >= 0 && virtualKey < static_cast<int>(keys.size());
}

}  // namespace

bool SetKey(int virtualKey, bool down)
{
    if (!Valid(virtualKey)) return false;
    Key& key = keys[virtualKey];
    if (key.down == down) return false;
    key.down = down;
    if (down) key.pressedSinceQuery = true;
    return true;
}

void ReleaseAllKeys()
{
    for (Key& key : keys) key.down = false;
}

bool KeyDown(int virtualKey)
{
    return Valid(virtualKey) && keys[virtualKey].down;
}

SHORT QueryKey(int virtualKey)
{
    if (!Valid(virtualKey)) return 0;
    Key& key = keys[virtualKey];
    const std::uint16_t state = (key.down ? 0x8000 : 0) | (key.pressedSinceQuery ? 0x0001 : 0);
    key.pressedSinceQuery = false;
    return static_cast<SHORT>(state);
}

POINT Cursor()
{
    return cursor;
}

bool PlaceCursor(long long x, long long y)
{
    const POINT placed{static_cast<LONG>(std::clamp<long long>(x, 0, kScreenWidth - 1)),
                       static_cast<LONG>(std::clamp<long long>(y, 0, kScreenHeight - 1))};
    const bool moved = placed.x != cursor.x || placed.y != cursor.y;
    cursor = placed;
    return moved;
}

}  // namespace inputstate
