#include "sound/sounds.h"

FSOUND_SAMPLE* SampleExplo = nullptr;
FSOUND_SAMPLE* SampleFlame = nullptr;
FSOUND_SAMPLE* SampleAlpha = nullptr;
FSOUND_SAMPLE* SampleDynamic = nullptr;
FSOUND_STREAM* BgmStream = nullptr;

namespace {

constexpr float kRequiredVersion = 3.2f;
constexpr int kOutputType = 2;
constexpr int kBufferMilliseconds = 200;
constexpr int kDriver = 0;
constexpr int kMixRate = 44100;
constexpr int kChannels = 32;
constexpr unsigned int kSampleMode = 0x2000;
constexpr unsigned int kStreamMode = 0x2B;

}  // namespace

int StartSoundLibrary() {
    if (FSOUND_GetVersion() != kRequiredVersion) {
        return 0;
    }
    FSOUND_SetOutput(kOutputType);
    FSOUND_SetBufferSize(kBufferMilliseconds);
    FSOUND_GetOutput();
    FSOUND_SetDriver(kDriver);
    if (!FSOUND_Init(kMixRate, kChannels, 0)) {
        FSOUND_Close();
        return 0;
    }
    return 1;
}

void LoadSamples() {
    SampleExplo = FSOUND_Sample_LoadWav(FSOUND_FREE, "Explo.Wav", kSampleMode);
    SampleFlame = FSOUND_Sample_LoadWav(FSOUND_FREE, "Flame.Wav", kSampleMode);
    SampleAlpha = FSOUND_Sample_LoadWav(FSOUND_FREE, "Alpha.Wav", kSampleMode);
    SampleDynamic = FSOUND_Sample_LoadWav(FSOUND_FREE, "Dynamic.Wav", kSampleMode);
}

void OpenMusic() {
    BgmStream = FSOUND_Stream_OpenMpeg("BGM.Mp3", kStreamMode);
}

void StartMusic() {
    FSOUND_Stream_Play(FSOUND_FREE, BgmStream);
}

void FreeSamples() {
    FSOUND_Sample_Free(SampleExplo);
    FSOUND_Sample_Free(SampleFlame);
    FSOUND_Sample_Free(SampleAlpha);
    FSOUND_Sample_Free(SampleDynamic);
}
