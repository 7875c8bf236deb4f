// Controls of the browser's backend for the page's program: the virtual clock of a scripted
// run, and the end of the game, which the page then shows.
#pragma once

namespace webhost {

// timeGetTime counts 1 ms a call, as in the headless runner, and never waits for the browser.
void UseVirtualClock();
// The game has ended with this exit code: the page says so over the last frame.
void GameEnded(int exitCode);

}  // namespace webhost
