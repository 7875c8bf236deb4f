// Everything the game needs, loaded once at start in a fixed order: the piece shapes, the
// five sprite packs with their data-file check, the sound library with the effects and the
// tune, the well's walls, the two canvases and the background picture.
#pragma once

// 1 when everything is loaded and the tune is playing; 0 as soon as a fatal step fails,
// after its message, if it has one. Needs the display up and the main window.
int LoadResources();
