// A background picture file loaded as the game loads it, in both display layouts, into a
// Surface that already holds a picture (as after a first load), then copied onto a canvas.
#include <cstdint>

#include "fuzz_support.h"
#include "gfx/surface.h"
#include "platform/headless/headless.h"

namespace {

void LoadAndShow(const char* path) {
    Surface picture;
    picture.Create(8, 8);
    Surface canvas;
    canvas.Create(64, 48);
    if (picture.LoadBackground(path) == 1) picture.BlitTo(canvas, -2, -1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = StoreBytes("BACK1.Qsf", data, size);
    for (const bool is565 : {true, false}) {
        DisplayInLayout(is565);
        LoadAndShow(path.c_str());
    }
    headless::ClearRecords();
    return 0;
}
