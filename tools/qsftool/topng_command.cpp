// qsftool topng FILE OUT: what the game reads from a pack or a picture, as PNG pictures.
#include <cstdio>

#include "commands.h"
#include "complaint.h"
#include "game_readers.h"
#include "input_file.h"
#include "output_files.h"
#include "picture_survey.h"

namespace {

constexpr char kUse[] =
    "Usage: qsftool topng FILE OUT\n"
    "A sprite pack becomes the folder OUT of one picture per image, OUT/000.png, 001.png, ...\n"
    "(the folder is made when missing); a background picture becomes the PNG file OUT.\n"
    "Pixels are read by the game's own readers, a pack in the layout it is stored in and a\n"
    "picture in 5-6-5, and each 5- or 6-bit channel is widened to 8 bits by repeating its\n"
    "top bits. Nothing is written when FILE is damaged.\n";

// A file the game reads only in part (short pixels, cut runs, an unknown layout) is damaged.
bool Whole(const std::string& path, const std::vector<std::string>& readings, std::string* problem) {
    if (readings.empty()) return true;
    *problem = Problem(path, readings.front());
    return false;
}

int PackToPng(const std::string& path, const std::string& out) {
    PackSurvey survey;
    std::vector<RgbImage> images;
    std::string problem;
    if (!SurveyPack(path, &survey, &problem) || !Whole(path, survey.readings, &problem) ||
        !ReadPackImages(path, survey, &images, &problem) ||
        !KeepPngFolder(out, images, &problem))
        return Complain(problem);
    return 0;
}

int PictureToPng(const std::string& path, const std::string& out) {
    PictureSurvey survey;
    RgbImage image;
    std::string problem;
    const auto writePng = [&](const std::string& passing, std::string* why) { return WritePng(passing, image, why); };
    if (!SurveyPicture(path, &survey, &problem) || !Whole(path, survey.readings, &problem) ||
        !ReadBackgroundPicture(path, &image, &problem) ||
        !KeepFile(out, writePng, &problem))
        return Complain(problem);
    return 0;
}

}  // namespace

int RunToPng(const CommandWords& command) {
    if (command.help) {
        std::fputs(kUse, stdout);
        return 0;
    }
    std::string problem;
    if (!CheckFileWords(command.words, 2, 2, &problem)) return ComplainOfUse("topng", problem);
    const std::string& path = command.words[0];
    const std::string& out = command.words[1];
    if (!CheckInputFile(path, &problem)) return Complain(problem);
    switch (KindOf(path)) {
        case FileKind::Pack:
            return PackToPng(path, out);
        case FileKind::Picture:
            return PictureToPng(path, out);
        case FileKind::Neither:
            break;
    }
    return Complain(Problem(path, "neither a sprite pack nor a background picture"));
}
