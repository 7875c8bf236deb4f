// The game's four effects and its background tune, and the steps that start the sound
// library, load them, start the tune and free the effects at the end.
#pragma once

#include "platform/fsound/fsound.h"

extern FSOUND_SAMPLE* SampleExplo;    // "Explo.Wav": four or more rows at once
extern FSOUND_SAMPLE* SampleFlame;    // "Flame.Wav": every frame of a row's flames
extern FSOUND_SAMPLE* SampleAlpha;    // "Alpha.Wav": a full row is found
extern FSOUND_SAMPLE* SampleDynamic;  // "Dynamic.Wav": a piece locks
extern FSOUND_STREAM* BgmStream;      // "BGM.Mp3"

// Checks the library is version 3.2 and opens it at 44100 Hz with 32 channels. 1 when it is
// ready; 0 on another version (no further call) or a failed open (the library is closed).
int StartSoundLibrary();
// Loads the four effects in their fixed order; a file that fails leaves its handle null.
void LoadSamples();
// Opens the tune without playing it.
void OpenMusic();
// Plays the tune on any free channel; it runs on by itself.
void StartMusic();
// Frees the four effects in their fixed order, also when they were never loaded.
void FreeSamples();
