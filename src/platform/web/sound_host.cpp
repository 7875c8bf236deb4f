// The browser's sound device: Web Audio through the page. The files are read here and handed
// over whole; the browser decodes them while the game goes on.
#include "platform/fsound/sound_host.h"

#include <cstdio>
#include <list>
#include <vector>

#include "platform/web/page_calls.h"

namespace soundhost {

struct Sample {
    int sound;
};
struct Stream {
    int sound;
};

namespace {

std::list<Sample> samples;
std::list<Stream> streams;

// The page's number for the file's sound, or -1 when the file cannot be read.
int Decode(const char* fileName)
{
    std::FILE* file = std::fopen(fileName, "rb");
    if (file == nullptr) return -1;
    std::vector<unsigned char> bytes;
    unsigned char chunk[16384];
    for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, file)) > 0;) {
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
    const bool readWhole = !std::ferror(file);
    std::fclose(file);
    if (!readWhole) return -1;
    return tumblox_audio_decode(bytes.data(), static_cast<int>(bytes.size()));
}

}  // namespace

// Always there: without Web Audio the page stays silent and says so once.
bool Open(int, int channels)
{
    tumblox_audio_open(channels > 0 ? channels : 1);
    return true;
}

void Close()
{
    tumblox_audio_close();
}

Sample* LoadSample(const char* fileName)
{
    const int sound = Decode(fileName);
    if (sound < 0) return nullptr;
    return &samples.emplace_back(Sample{sound});
}

void FreeSample(Sample* sample)
{
    tumblox_audio_free(sample->sound);
    samples.remove_if([&](const Sample& kept) { return &kept == sample; });
}

int PlaySample(Sample* sample)
{
    return tumblox_audio_play(sample->sound);
}

Stream* OpenStream(const char* fileName)
{
    const int sound = Decode(fileName);
    if (sound < 0) return nullptr;
    return &streams.emplace_back(Stream{sound});
}

int PlayStream(Stream* stream)
{
    return tumblox_audio_loop(stream->sound);
}

}  // namespace soundhost
