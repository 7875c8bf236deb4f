// One step of the game: draw and present the frame, wait, then apply the player's input
// and gravity.
#pragma once

#include <cstdint>

struct TickControlFields {
    std::int16_t tickCounter = 0;       // ticks since the last gravity step
    std::int16_t rightButtonLatch = 0;  // 1 from a turn attempt until the button is released
    std::uint8_t mouseSensitivity = 20;  // travel in pixels to exceed for one column
};
extern TickControlFields TickControl;

// Cursor positions in screen pixels; the intro sets all three before the first tick.
struct MouseStateFields {
    std::int16_t currentX = 0;
    std::int16_t currentY = 0;
    std::int16_t referenceX = 0;  // where horizontal travel is measured from
};
extern MouseStateFields MouseState;

// 0 when Escape was pressed in this tick, else 1.
int GameTick();
// The tick's picture of the state as it stands: background, shadows, cells, logo and status
// line on the composition canvas, then presented.
void DrawTickFrame();
