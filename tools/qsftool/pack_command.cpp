// qsftool pack OUT --format 565|555 IN.png...: PNG pictures to a sprite pack.
#include <cstdio>

#include "commands.h"
#include "complaint.h"
#include "imgfile/qsf_writer.h"
#include "output_files.h"
#include "png_input.h"

namespace {

constexpr char kUse[] =
    "Usage: qsftool pack OUT --format 565|555 IN.png...\n"
    "Makes the sprite pack OUT of the pictures, one image each, in the order given, stored in\n"
    "the 5-6-5 or the 5-5-5 pixel layout; each channel keeps its top 5 (green in 5-6-5: 6)\n"
    "bits. A picture's width must be a multiple of 4 and its sides at most 4096.\n"
    "Alpha is ignored: every pixel is taken as it is, opaque. Nothing is written when a\n"
    "picture is refused.\n";

bool FormatByte(const std::string& layout, int* format) {
    if (layout == "565") *format = 1;
    else if (layout == "555") *format = 0;
    else return false;
    return true;
}

}  // namespace

int RunPack(const CommandWords& command) {
    if (command.help) {
        std::fputs(kUse, stdout);
        return 0;
    }
    std::vector<std::string> words = command.words;
    std::string layout, problem;
    int format = 0;
    if (!TakeOption(words, "format", &layout, &problem)) return ComplainOfUse("pack", problem);
    if (!FormatByte(layout, &format)) return ComplainOfUse("pack", "--format is 565 or 555, not " + layout);
    if (!CheckFileWords(words, 2, 1 + 0xFFFF, &problem)) return ComplainOfUse("pack", problem);

    std::vector<RgbImage> images(words.size() - 1);
    for (std::size_t n = 1; n < words.size(); ++n)
        if (!ReadGamePicture(words[n], &images[n - 1], &problem)) return Complain(problem);
    const auto writePack = [&](const std::string& passing, std::string* why) {
        return WriteQsfPack(passing, images, format, why);
    };
    return KeepFile(words[0], writePack, &problem) ? 0 : Complain(problem);
}
