#include "game_readers.h"

#include <cstdio>
#include <memory>

#include "complaint.h"
#include "gfx/display.h"
#include "gfx/surface.h"
#include "imgfile/qsf_pack.h"
#include "platform/headless/headless.h"

namespace {

// The display up in one layout while the game's readers run; their surfaces go first.
struct DisplayInLayout {
    explicit DisplayInLayout(bool is565) {
        headless::SetLayout565(is565);
        up = InitDisplay() == 1;
    }
    ~DisplayInLayout() { ReleaseDisplay(); }
    bool up = false;
};

// What the game said when it refused, or the plain fact when it said nothing.
std::string Refusal(const std::string& path, const std::string& what) {
    const auto& boxes = headless::MessageBoxes();
    return Problem(path, boxes.empty() ? what : what + ": " + boxes.back().text);
}

}  // namespace

bool ReadPackImages(const std::string& path, const PackSurvey& survey, std::vector<RgbImage>* images,
                    std::string* problem) {
    const bool is565 = survey.format == 1;
    DisplayInLayout display(is565);
    if (!display.up) {
        *problem = Refusal(path, "the display would not come up");
        return false;
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        *problem = Problem(path, "cannot be opened");
        return false;
    }
    bool read = ReadPackHeader(file) == survey.images.size();
    images->clear();
    for (std::size_t number = 0; read && number < survey.images.size(); ++number) {
        const auto sprite = std::make_unique<Surface>();
        read = sprite->LoadFromPack(file) == 1 && sprite->Usable() && headless::MessageBoxes().empty();
        if (read) images->push_back(Expand16(sprite->pixels, sprite->width, sprite->height, is565));
    }
    std::fclose(file);
    if (!read) *problem = Refusal(path, "the game's pack reader refused image " + std::to_string(images->size()));
    return read;
}

bool ReadBackgroundPicture(const std::string& path, RgbImage* image, std::string* problem) {
    DisplayInLayout display(true);
    if (!display.up) {
        *problem = Refusal(path, "the display would not come up");
        return false;
    }
    const auto background = std::make_unique<Surface>();
    if (background->LoadBackground(path.c_str()) != 1 || !background->Usable()) {
        *problem = Refusal(path, "the game's picture reader refused it");
        return false;
    }
    *image = Expand16(background->pixels, background->width, background->height, true);
    return true;
}
