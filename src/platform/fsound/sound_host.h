// What a backend implements for the sound library stand-in: a device, samples and one
// looping stream. The stand-in keeps the handles, null checks and the call record.
#pragma once

namespace soundhost {

struct Sample;  // a decoded effect, owned by the backend
struct Stream;  // the background tune, owned by the backend

bool Open(int mixRate, int channels);  // false when no device can be opened at all
void Close();
Sample* LoadSample(const char* fileName);  // null when the file cannot be read
void FreeSample(Sample* sample);
int PlaySample(Sample* sample);  // any free channel (the oldest voice gives way); the channel
Stream* OpenStream(const char* fileName);
int PlayStream(Stream* stream);  // looped, on a channel of its own

}  // namespace soundhost
