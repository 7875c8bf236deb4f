// The sound library's calls as the game makes them. Each call is first written to the host's
// record, then carried out by the backend's sound host. The handles are kept here, so a null
// or already freed handle is recognised and does nothing.
#include "platform/fsound/fsound.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/fsound/sound_host.h"
#include "platform/host.h"

struct FSOUND_SAMPLE {
    std::string fileName;
    soundhost::Sample* sample;
};

struct FSOUND_STREAM {
    std::string fileName;
    soundhost::Stream* stream;
};

namespace {

std::vector<std::unique_ptr<FSOUND_SAMPLE>> samples;
std::vector<std::unique_ptr<FSOUND_STREAM>> streams;  // never closed: the tune plays to the end
int outputType = -1;
bool opened = false;

void Record(const std::string& line)
{
    host::RecordSoundCall(line.c_str());
}

std::string NameOf(const char* name)
{
    return name != nullptr ? name : "null";
}

template <typename Handle>
bool Known(const std::vector<std::unique_ptr<Handle>>& handles, const Handle* handle)
{
    return handle != nullptr &&
           std::any_of(handles.begin(), handles.end(), [&](const auto& kept) { return kept.get() == handle; });
}

template <typename Handle>
std::string NameOf(const std::vector<std::unique_ptr<Handle>>& handles, const Handle* handle)
{
    return Known(handles, handle) ? handle->fileName : "null";
}

}  // namespace

float FSOUND_GetVersion()
{
    Record("FSOUND_GetVersion");
    return host::CallFails(host::Call::FSOUND_GetVersion) ? 3.1f : 3.2f;
}

signed char FSOUND_SetOutput(int type)
{
    Record("FSOUND_SetOutput " + std::to_string(type));
    outputType = type;
    return 1;
}

signed char FSOUND_SetBufferSize(int milliseconds)
{
    Record("FSOUND_SetBufferSize " + std::to_string(milliseconds));
    return 1;
}

int FSOUND_GetOutput()
{
    Record("FSOUND_GetOutput");
    return outputType;
}

signed char FSOUND_SetDriver(int driver)
{
    Record("FSOUND_SetDriver " + std::to_string(driver));
    return 1;
}

signed char FSOUND_Init(int mixRate, int maxChannels, unsigned int flags)
{
    Record("FSOUND_Init " + std::to_string(mixRate) + " " + std::to_string(maxChannels) + " " + std::to_string(flags));
    if (host::CallFails(host::Call::FSOUND_Init) || opened) return 0;
    opened = soundhost::Open(mixRate, maxChannels);
    return opened ? 1 : 0;
}

void FSOUND_Close()
{
    Record("FSOUND_Close");
    if (opened) soundhost::Close();
    opened = false;
}

FSOUND_SAMPLE* FSOUND_Sample_LoadWav(int index, const char* name, unsigned int mode)
{
    Record("FSOUND_Sample_LoadWav " + std::to_string(index) + " " + NameOf(name) + " " + std::to_string(mode));
    if (host::CallFails(host::Call::FSOUND_Sample_LoadWav) || name == nullptr) return nullptr;
    soundhost::Sample* sample = soundhost::LoadSample(name);
    if (sample == nullptr) return nullptr;
    samples.push_back(std::make_unique<FSOUND_SAMPLE>(FSOUND_SAMPLE{name, sample}));
    return samples.back().get();
}

FSOUND_STREAM* FSOUND_Stream_OpenMpeg(const char* name, unsigned int mode)
{
    Record("FSOUND_Stream_OpenMpeg " + NameOf(name) + " " + std::to_string(mode));
    if (host::CallFails(host::Call::FSOUND_Stream_OpenMpeg) || name == nullptr) return nullptr;
    soundhost::Stream* stream = soundhost::OpenStream(name);
    if (stream == nullptr) return nullptr;
    streams.push_back(std::make_unique<FSOUND_STREAM>(FSOUND_STREAM{name, stream}));
    return streams.back().get();
}

int FSOUND_Stream_Play(int channel, FSOUND_STREAM* stream)
{
    Record("FSOUND_Stream_Play " + std::to_string(channel) + " " + NameOf(streams, stream));
    return Known(streams, stream) ? soundhost::PlayStream(stream->stream) : -1;
}

int FSOUND_PlaySound(int channel, FSOUND_SAMPLE* sample)
{
    Record("FSOUND_PlaySound " + std::to_string(channel) + " " + NameOf(samples, sample));
    return Known(samples, sample) ? soundhost::PlaySample(sample->sample) : -1;
}

void FSOUND_Sample_Free(FSOUND_SAMPLE* sample)
{
    Record("FSOUND_Sample_Free " + NameOf(samples, sample));
    if (!Known(samples, sample)) return;
    soundhost::FreeSample(sample->sample);
    std::erase_if(samples, [&](const auto& kept) { return kept.get() == sample; });
}
