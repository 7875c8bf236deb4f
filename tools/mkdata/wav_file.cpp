#include "wav_file.h"

#include <fstream>

#include "audio.h"

namespace {

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void Put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void PutTag(std::vector<std::uint8_t>& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }

}  // namespace

bool WriteWav(const std::string& path, const std::vector<std::int16_t>& samples, int channels, std::string* error) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    const auto blockAlign = static_cast<std::uint16_t>(channels * 2);
    std::vector<std::uint8_t> bytes;
    bytes.reserve(44 + dataBytes);
    PutTag(bytes, "RIFF");
    Put32(bytes, 36 + dataBytes);
    PutTag(bytes, "WAVE");
    PutTag(bytes, "fmt ");
    Put32(bytes, 16);
    Put16(bytes, 1);  // PCM
    Put16(bytes, static_cast<std::uint16_t>(channels));
    Put32(bytes, kSampleRate);
    Put32(bytes, static_cast<std::uint32_t>(kSampleRate) * blockAlign);
    Put16(bytes, blockAlign);
    Put16(bytes, 16);
    PutTag(bytes, "data");
    Put32(bytes, dataBytes);
    for (std::int16_t s : samples) Put16(bytes, static_cast<std::uint16_t>(s));
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (file) return true;
    *error = path + ": cannot be written";
    return false;
}
