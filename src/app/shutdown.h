// The end of every run, also of a failed start: everything loaded is released in a fixed
// order, the display last.
#pragma once

// Deletes the canvases, the logo, the banner and every sprite, frees the four samples and
// releases the display. Always 1.
int Shutdown();
