// qsftool picture IN.png OUT: a PNG picture to a background picture.
#include <cstdio>

#include "commands.h"
#include "complaint.h"
#include "imgfile/pcx_writer.h"
#include "output_files.h"
#include "png_input.h"

namespace {

constexpr char kUse[] =
    "Usage: qsftool picture IN.png OUT\n"
    "Makes the background picture OUT (a 24-bit run-length encoded PCX file) of the picture.\n"
    "Its width must be a multiple of 4 and its sides at most 4096.\n"
    "Alpha is ignored: every pixel is taken as it is, opaque. Nothing is written when the\n"
    "picture is refused.\n";

}  // namespace

int RunPicture(const CommandWords& command) {
    if (command.help) {
        std::fputs(kUse, stdout);
        return 0;
    }
    std::string problem;
    if (!CheckFileWords(command.words, 2, 2, &problem)) return ComplainOfUse("picture", problem);
    RgbImage image;
    if (!ReadGamePicture(command.words[0], &image, &problem)) return Complain(problem);
    const auto writePicture = [&](const std::string& passing, std::string* why) { return WritePcx(passing, image, why); };
    return KeepFile(command.words[1], writePicture, &problem) ? 0 : Complain(problem);
}
