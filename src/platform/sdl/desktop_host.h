// The desktop host: the process's main thread keeps the display while the game runs as its
// guest on a thread of its own.
#pragma once

namespace sdlhost {

// Runs `game` on a thread of its own and serves the display on this one, the process's main
// thread, until the game returns. Its result is the process's exit status: the game's own, or
// 1 when the display or the window was lost under it.
int RunDesktopGame(int (*game)());

}  // namespace sdlhost
