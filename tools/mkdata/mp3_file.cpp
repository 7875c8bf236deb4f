#include "mp3_file.h"

#include <lame/lame.h>

#include <cstdio>
#include <memory>

#include "audio.h"

namespace {

struct LameCloser {
    void operator()(lame_global_flags* flags) const { lame_close(flags); }
};
struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

bool WriteMp3(const std::string& path, const std::vector<std::int16_t>& stereo, std::string* error) {
    std::unique_ptr<lame_global_flags, LameCloser> lame(lame_init());
    if (!lame) {
        *error = "the MP3 encoder cannot start";
        return false;
    }
    lame_set_in_samplerate(lame.get(), kSampleRate);
    lame_set_out_samplerate(lame.get(), kSampleRate);
    lame_set_num_channels(lame.get(), 2);
    lame_set_mode(lame.get(), JOINT_STEREO);
    lame_set_brate(lame.get(), 80);
    lame_set_quality(lame.get(), 7);
    lame_set_bWriteVbrTag(lame.get(), 1);
    if (lame_init_params(lame.get()) < 0) {
        *error = "the MP3 encoder refuses its settings";
        return false;
    }
    const int frames = static_cast<int>(stereo.size() / 2);
    std::vector<unsigned char> bytes(static_cast<std::size_t>(frames) * 5 / 4 + 7200 + 16384);
    const int body = lame_encode_buffer_interleaved(lame.get(), const_cast<short*>(stereo.data()), frames, bytes.data(),
                                                    static_cast<int>(bytes.size()));
    const int tail = body < 0 ? -1 : lame_encode_flush(lame.get(), bytes.data() + body, static_cast<int>(bytes.size()) - body);
    if (body < 0 || tail < 0) {
        *error = "the MP3 encoder failed";
        return false;
    }
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "w+b"));
    bool ok = file && std::fwrite(bytes.data(), 1, static_cast<std::size_t>(body + tail), file.get()) ==
                          static_cast<std::size_t>(body + tail);
    // The info frame at the front, now that the encoder knows the length and padding.
    if (ok) lame_mp3_tags_fid(lame.get(), file.get());
    ok = ok && std::fflush(file.get()) == 0 && !std::ferror(file.get());
    if (!ok) {
        file.reset();
        std::remove(path.c_str());
        *error = path + ": cannot be written";
    }
    return ok;
}
