// What the page feeds from the browser's input events, in the game's terms.
#include "platform/feed.h"

extern "C" {

// A key or button (VK_*) went down or up.
void tumblox_key(int virtualKey, int down)
{
    FeedKey(virtualKey, down != 0);
}

// Relative motion in game pixels (the page has divided it by the canvas's scale).
void tumblox_motion(int dx, int dy)
{
    FeedMouseMotion(dx, dy);
}

// The page lost the player's attention: nothing stays held.
void tumblox_release_all()
{
    FeedReleaseAll();
}

}
