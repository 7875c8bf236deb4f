// What happens when the display connection breaks while the game runs.
#pragma once

namespace sdlhost {

// Once the X display is up: a lost connection ends the process with a message, status 1.
void EndWhenDisplayIsLost();

}  // namespace sdlhost
