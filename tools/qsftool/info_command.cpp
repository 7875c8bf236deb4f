// qsftool info FILE: a pack's layout and image sizes, a picture's size, or why it is neither.
#include <cstdio>

#include "commands.h"
#include "complaint.h"
#include "input_file.h"
#include "pack_survey.h"
#include "picture_survey.h"

namespace {

constexpr char kUse[] =
    "Usage: qsftool info FILE\n"
    "Says whether FILE is a sprite pack (its pixel layout, image count and each image's\n"
    "size) or a background picture (its size), how the game reads whatever in it a maker\n"
    "would not have written, or why the game could not read it as either.\n";

void ShowReadings(const std::vector<std::string>& readings) {
    for (const std::string& reading : readings) std::printf("  %s\n", reading.c_str());
}

int ShowPack(const std::string& path) {
    PackSurvey survey;
    std::string problem;
    if (!SurveyPack(path, &survey, &problem)) return Complain(problem);
    std::printf("%s: sprite pack, %s pixels, %zu image(s)\n", path.c_str(), LayoutName(survey.format),
                survey.images.size());
    for (std::size_t number = 0; number < survey.images.size(); ++number)
        std::printf("  %03zu  %ux%u\n", number, unsigned{survey.images[number].width},
                    unsigned{survey.images[number].height});
    ShowReadings(survey.readings);
    // The game takes a fixed number of images from each pack, whatever its header counts.
    if (survey.bytesAfterImages > 0)
        std::printf("  %ld byte(s) after the images the header counts, read as further images where the game "
                    "takes more from this pack\n",
                    survey.bytesAfterImages);
    return 0;
}

int ShowPicture(const std::string& path) {
    PictureSurvey survey;
    std::string problem;
    if (!SurveyPicture(path, &survey, &problem)) return Complain(problem);
    std::printf("%s: background picture, %ux%u, 24-bit colour\n", path.c_str(), unsigned{survey.width},
                unsigned{survey.height});
    ShowReadings(survey.readings);
    return 0;
}

}  // namespace

int RunInfo(const CommandWords& command) {
    if (command.help) {
        std::fputs(kUse, stdout);
        return 0;
    }
    std::string problem;
    if (!CheckFileWords(command.words, 1, 1, &problem)) return ComplainOfUse("info", problem);
    const std::string& path = command.words[0];
    if (!CheckInputFile(path, &problem)) return Complain(problem);
    switch (KindOf(path)) {
        case FileKind::Pack:
            return ShowPack(path);
        case FileKind::Picture:
            return ShowPicture(path);
        case FileKind::Neither:
            break;
    }
    return Complain(Problem(path, "neither a sprite pack (no pack signature) nor a background picture (no PCX head)"));
}
