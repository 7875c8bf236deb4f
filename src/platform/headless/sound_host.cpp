// The headless sound device: always there, silent. A sample or the tune loads when its file
// can be read, and every play takes the next of the device's channels.
#include "platform/fsound/sound_host.h"

#include <cstdio>
#include <list>

namespace soundhost {

struct Sample {};
struct Stream {};

namespace {

std::list<Sample> samples;
std::list<Stream> streams;
int channels = 32;
int nextChannel = 0;

bool Readable(const char* fileName)
{
    std::FILE* file = std::fopen(fileName, "rb");
    if (file == nullptr) return false;
    std::fclose(file);
    return true;
}

int NextChannel()
{
    const int channel = nextChannel;
    nextChannel = (nextChannel + 1) % channels;
    return channel;
}

}  // namespace

bool Open(int, int channelCount)
{
    channels = channelCount > 0 ? channelCount : 1;
    nextChannel = 0;
    return true;
}

void Close() {}

Sample* LoadSample(const char* fileName)
{
    if (!Readable(fileName)) return nullptr;
    return &samples.emplace_back();
}

void FreeSample(Sample* sample)
{
    samples.remove_if([&](const Sample& kept) { return &kept == sample; });
}

int PlaySample(Sample*)
{
    return NextChannel();
}

Stream* OpenStream(const char* fileName)
{
    if (!Readable(fileName)) return nullptr;
    return &streams.emplace_back();
}

int PlayStream(Stream*)
{
    return NextChannel();
}

}  // namespace soundhost
