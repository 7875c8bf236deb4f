// alsa-lib prints its own error lines on stderr when it finds no sound device; the game says
// so in one line of its own instead.
#pragma once

namespace soundhost {

// Before SDL's audio starts: alsa-lib, where installed, keeps its error lines to itself.
void QuietAlsaErrors();

}  // namespace soundhost
