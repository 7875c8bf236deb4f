#include "app/shutdown.h"

#include "game/resources.h"
#include "gfx/display.h"
#include "sound/sounds.h"

namespace {

template <typename Picture>
void Release(Picture*& picture)
{
    delete picture;
    picture = nullptr;
}

template <int Count>
void ReleaseAll(Surface* (&sprites)[Count])
{
    for (Surface*& sprite : sprites) Release(sprite);
}

}  // namespace

// The sound library stays open and the tune plays on, the cursor stays hidden and the window
// stays: the end of the process ends them.
int Shutdown()
{
    Release(BackgroundCanvas);
    Release(CompositionCanvas);
    Release(LogoSprite);
    Release(ComboSprite);
    ReleaseAll(BlockSprites);
    ReleaseAll(FlameFrames);
    ReleaseAll(ExplosionFrames);
    FreeSamples();
    ReleaseDisplay();
    return 1;
}
