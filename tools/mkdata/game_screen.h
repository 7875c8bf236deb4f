// A game screen put together from the data set the way the game draws one, in the running
// display layout: the dimmed background with its text panel, a well in mid-game with
// shadows, a falling piece and the preview, the logo and the status line; or a moment of a
// row clear over it.
#pragma once

#include "platform/png_file.h"
#include "sheet_data.h"

enum class Moment {
    Play,          // an ordinary frame
    RowBurning,    // the bottom row, filled, in the middle of its flames
    FourRowClear,  // the explosions and the banner at their height
};

RgbImage GameScreen(const SheetData& data, Moment moment);
