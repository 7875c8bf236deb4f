// Stand-in for the 3.x sound library: the calls the game makes, under their published names.
// Null handles are accepted everywhere and do nothing; playback runs on by itself.
#pragma once

struct FSOUND_SAMPLE;
struct FSOUND_STREAM;

constexpr int FSOUND_FREE = -1;

float FSOUND_GetVersion();
signed char FSOUND_SetOutput(int outputType);
signed char FSOUND_SetBufferSize(int milliseconds);
int FSOUND_GetOutput();
signed char FSOUND_SetDriver(int driver);
signed char FSOUND_Init(int mixRate, int maxChannels, unsigned int flags);
void FSOUND_Close();
FSOUND_SAMPLE* FSOUND_Sample_LoadWav(int index, const char* name, unsigned int mode);
FSOUND_STREAM* FSOUND_Stream_OpenMpeg(const char* name, unsigned int mode);
int FSOUND_Stream_Play(int channel, FSOUND_STREAM* stream);
int FSOUND_PlaySound(int channel, FSOUND_SAMPLE* sample);
void FSOUND_Sample_Free(FSOUND_SAMPLE* sample);
