// The sound device on the desktop, through SDL2_mixer: effects from WAV files on the mixer's
// channels, the tune from MP3 as its looping music. Without an audio device the game plays
// on in silence: every file still loads (so the game starts as it would with sound) and is
// simply never heard.
#include "platform/fsound/sound_host.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdint>
#include <cstdio>
#include <list>
#include <vector>

#include "platform/sdl/alsa_quiet.h"

namespace soundhost {

struct Sample {
    Mix_Chunk* chunk;  // null in silence
};

struct Stream {
    Mix_Music* music;  // null in silence
};

namespace {

constexpr int kOutputChannels = 2;
constexpr int kChunkFrames = 1024;

struct Device {
    bool audible = false;
    std::list<Sample> samples;  // addresses stay valid while the game holds them
    std::list<Stream> streams;
    std::vector<std::uint64_t> startedAt;  // per mixer channel, for giving the oldest voice away
    std::uint64_t plays = 0;
};

Device device;

bool Readable(const char* fileName)
{
    std::FILE* file = std::fopen(fileName, "rb");
    if (file == nullptr) {
        return false;
    }
    std::fclose(file);
    return true;
}

// The channel a new effect takes: a free one, or else the one that has played longest.
int ChannelFor()
{
    const int count = static_cast<int>(device.startedAt.size());
    int oldest = 0;
    for (int channel = 0; channel < count; ++channel) {
        if (Mix_Playing(channel) == 0) {
            return channel;
        }
        if (device.startedAt[channel] < device.startedAt[oldest]) {
            oldest = channel;
        }
    }
    Mix_HaltChannel(oldest);
    return oldest;
}

}  // namespace

bool Open(int mixRate, int channels)
{
    device.audible = false;
    QuietAlsaErrors();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        std::fprintf(stderr, "Tumblox: no sound (%s); playing in silence\n", SDL_GetError());
        return true;
    }
    Mix_Init(MIX_INIT_MP3);
    if (Mix_OpenAudio(mixRate, AUDIO_S16SYS, kOutputChannels, kChunkFrames) != 0) {
        std::fprintf(stderr, "Tumblox: no sound (%s); playing in silence\n", Mix_GetError());
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return true;
    }
    const int allocated = Mix_AllocateChannels(channels > 0 ? channels : 1);
    device.startedAt.assign(static_cast<std::size_t>(allocated), 0);
    device.audible = true;
    return true;
}

void Close()
{
    if (!device.audible) {
        return;
    }
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    for (Sample& sample : device.samples) {
        Mix_FreeChunk(sample.chunk);
        sample.chunk = nullptr;
    }
    for (Stream& stream : device.streams) {
        Mix_FreeMusic(stream.music);
        stream.music = nullptr;
    }
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    device.audible = false;
}

Sample* LoadSample(const char* fileName)
{
    if (!device.audible) {
        return Readable(fileName) ? &device.samples.emplace_back(Sample{nullptr}) : nullptr;
    }
    Mix_Chunk* chunk = Mix_LoadWAV(fileName);
    if (chunk == nullptr) {
        std::fprintf(stderr, "Tumblox: %s: %s\n", fileName, Mix_GetError());
        return nullptr;
    }
    return &device.samples.emplace_back(Sample{chunk});
}

void FreeSample(Sample* sample)
{
    device.samples.remove_if([&](Sample& kept) {
        if (&kept != sample) {
            return false;
        }
        Mix_FreeChunk(kept.chunk);  // halts any channel still playing it
        return true;
    });
}

int PlaySample(Sample* sample)
{
    if (!device.audible || sample->chunk == nullptr) {
        return 0;
    }
    const int channel = Mix_PlayChannel(ChannelFor(), sample->chunk, 0);
    if (channel >= 0) {
        device.startedAt[static_cast<std::size_t>(channel)] = ++device.plays;
    }
    return channel;
}

Stream* OpenStream(const char* fileName)
{
    if (!device.audible) {
        return Readable(fileName) ? &device.streams.emplace_back(Stream{nullptr}) : nullptr;
    }
    Mix_Music* music = Mix_LoadMUS(fileName);
    if (music == nullptr) {
        std::fprintf(stderr, "Tumblox: %s: %s\n", fileName, Mix_GetError());
        return nullptr;
    }
    return &device.streams.emplace_back(Stream{music});
}

int PlayStream(Stream* stream)
{
    if (!device.audible || stream->music == nullptr) {
        return 0;
    }
    // The music has a channel of its own, beside the effects' channels.
    return Mix_PlayMusic(stream->music, -1) == 0 ? static_cast<int>(device.startedAt.size()) : -1;
}

}  // namespace soundhost
