// Korean syllables in the generator's stroke hand, each in a square box, so the banner's
// cheer can be drawn like the logo: the few letters it needs, composed by the usual rules
// (a vowel beside, below or round the first consonant, a final consonant underneath).
#pragma once

#include <string_view>

#include "stroke_font.h"

// The text's syllables and exclamation marks side by side; a syllable with a letter the hand
// does not know is drawn without it. Units: a syllable box is 64 wide and 72 high.
Lettering LayOutHangul(std::u32string_view text);
