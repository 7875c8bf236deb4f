// The start of the game: the display comes up, everything loads, the background dims in
// seven frames with the logo over it, and the text panel is written beside the well.
#pragma once

// Presents of the dimming sequence.
constexpr int kDimmingFrames = 7;

// 1 when the game can start; 0 when the display could not be brought up far enough to show
// anything, or loading failed (their messages were shown).
int RunIntro();
