// SIGINT and SIGTERM ask the game to close, as a close of its window does. A second signal
// ends the process at once, for a game that no longer answers.
#pragma once

namespace sdlhost {

void CatchCloseSignals();
// True once for each signal caught since the last call.
bool CloseSignalled();

}  // namespace sdlhost
