// The tune's instruments. Each renders one note into a stereo loop: samples past the loop's
// end wrap round to its start, so notes that ring over the seam sound at the top again.
#pragma once

#include <vector>

#include "tune_score.h"

struct LoopBuffer {
    explicit LoopBuffer(long length) : left(static_cast<std::size_t>(length)), right(static_cast<std::size_t>(length)) {}
    // index is below twice the length: a note starts inside the loop and is shorter than it.
    void Add(long index, float l, float r) {
        const long length = Length();
        const auto i = static_cast<std::size_t>(index < length ? index : index - length);
        left[i] += l;
        right[i] += r;
    }
    long Length() const { return static_cast<long>(left.size()); }

    std::vector<float> left, right;
};

// Adds the note, at its place in the tune, into the buffer of its kind of voice.
void RenderNote(const Note& note, LoopBuffer& out);
