// A game screen put together from the data set the way the game draws one, in the running
// display layout: the dimmed background with its text panel, a well in mid-game with
// shadows, a falling piece and the preview, the logo and the status line; optionally with
// the explosions and the banner of a four-row clear at their height.
#pragma once

#include "platform/png_file.h"
#include "sheet_data.h"

RgbImage GameScreen(const SheetData& data, bool fourRowClear);
