// A sprite pack read as the loader reads one: the header, then a fixed run of images, each
// into a new Surface with its colour key, then drawn the ways the game draws sprites, partly
// off the edge. Both display layouts, so both converters run.
#include <cstdint>
#include <memory>

#include "fuzz_support.h"
#include "gfx/surface.h"
#include "imgfile/qsf_pack.h"
#include "platform/headless/headless.h"

namespace {

constexpr int kImagesTried = 8;  // more than any pack of the game is asked for

void DrawEveryWay(Surface& sprite, Surface& canvas) {
    sprite.SetColorKey(0);
    sprite.BlitTo(canvas, -3, -2);
    sprite.BlendPercentTo(canvas, 40, 20, 30);
    sprite.BlendAddTo(canvas, 10, -5);
}

void ReadPack(const std::uint8_t* data, std::size_t size) {
    std::FILE* file = OpenBytes(data, size);
    if (file == nullptr) return;
    if (ReadPackHeader(file) != 0) {
        Surface canvas;
        canvas.Create(64, 48);
        for (int image = 0; image < kImagesTried; ++image) {
            const auto sprite = std::make_unique<Surface>();
            if (sprite->LoadFromPack(file) == 1) DrawEveryWay(*sprite, canvas);
        }
    }
    std::fclose(file);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (const bool is565 : {true, false}) {
        DisplayInLayout(is565);
        ReadPack(data, size);
    }
    headless::ClearRecords();
    return 0;
}
