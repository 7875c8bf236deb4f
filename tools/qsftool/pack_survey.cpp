#include "pack_survey.h"

#include <cstdio>

#include "complaint.h"
#include "imgfile/pixel16.h"
#include "imgfile/qsf_format.h"
#include "imgfile/qsf_pack.h"

namespace {

long LengthOf(std::FILE* file) {
    if (std::fseek(file, 0, SEEK_END) != 0) return -1;
    return std::ftell(file);
}

std::string ImageName(unsigned number, ImageSize size) {
    return "image " + std::to_string(number) + " (" + std::to_string(size.width) + "x" + std::to_string(size.height) +
           ")";
}

// Why the game refuses image `number` with this head, or "" when it reads it.
std::string ImageFault(unsigned number, ImageSize size) {
    const std::string name = ImageName(number, size);
    if (size.width % 4 != 0) return name + ": width is not a multiple of 4";
    if (size.width == 0 || size.height == 0) return name + ": a side of 0";
    if (size.width > MaxPictureSide || size.height > MaxPictureSide) return name + ": larger than 4096x4096";
    return "";
}

}  // namespace

const char* LayoutName(std::uint8_t format) {
    if (format > 1) return "unknown-layout";
    return format == 1 ? "5-6-5" : "5-5-5";
}

bool SurveyPack(const std::string& path, PackSurvey* survey, std::string* problem) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        *problem = Problem(path, "cannot be opened");
        return false;
    }
    const long length = LengthOf(file);
    const std::uint16_t count = ReadPackHeader(file);
    std::string fault;
    if (count == 0)
        fault = length < static_cast<long>(QsfHeaderSize) ? "sprite pack cut short inside its header"
                                                          : "sprite pack holds no images";
    survey->format = packFormat;
    survey->images.clear();
    survey->readings.clear();
    if (count != 0 && packFormat > 1)
        survey->readings.push_back("pixel format byte " + std::to_string(packFormat) +
                                   ": the game converts it from 5-5-5 on a 5-6-5 display and from 5-6-5 on a 5-5-5 one");

    long at = static_cast<long>(QsfHeaderSize);
    for (unsigned number = 0; fault.empty() && number < count; ++number) {
        std::uint8_t head[QsfImageHeadSize] = {};
        if (std::fseek(file, at, SEEK_SET) != 0 || std::fread(head, 1, sizeof head, file) != sizeof head) {
            fault = "ends before image " + std::to_string(number) + " of the " + std::to_string(count) +
                    " its header counts";
            break;
        }
        const ImageSize size{static_cast<std::uint16_t>(head[0] | head[1] << 8),
                             static_cast<std::uint16_t>(head[2] | head[3] << 8)};
        at += static_cast<long>(QsfImageHeadSize);
        fault = ImageFault(number, size);
        const long wanted = 2L * size.width * size.height;
        if (fault.empty() && length - at < wanted)
            survey->readings.push_back(ImageName(number, size) + ": cut short, " + std::to_string(length - at) +
                                       " of its " + std::to_string(wanted) + " pixel bytes; the game shows the rest black");
        at += wanted;
        survey->images.push_back(size);
    }
    std::fclose(file);
    if (!fault.empty()) {
        *problem = Problem(path, fault);
        return false;
    }
    survey->bytesAfterImages = length > at ? length - at : 0;
    return true;
}
