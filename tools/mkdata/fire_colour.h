// The colours of fire by heat, for the flames and the explosion. The sprites they paint are
// added onto the picture with white as their pack's key, so even the hottest colour keeps
// its blue well below the top level: no flame or spark can ever turn into a see-through
// hole, in either 16-bit layout.
#pragma once

#include "picture.h"

// Heat 0 (nothing: black adds nothing) to 1 (pale yellow), beyond 1 a little whiter.
Colour FireColour(float heat);
// The row's flames, redder and darker: at heat 1 a deep orange with almost no blue, so
// that added onto a bright cell it deepens the cell's colour instead of washing it white.
Colour FlameColour(float heat);
