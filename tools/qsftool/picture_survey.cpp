#include "picture_survey.h"

#include <cstdio>
#include <vector>

#include "complaint.h"
#include "imgfile/picture_file.h"

namespace {

unsigned WordAt(const std::uint8_t* head, int at) {
    return static_cast<unsigned>(head[at] | head[at + 1] << 8);
}

// What in the head the game does not read but takes for granted, or "".
std::string HeadFault(const std::uint8_t* head) {
    const unsigned encoding = head[2], bits = head[3], planes = head[65];
    if (encoding != 1 || bits != 8 || planes != 3)
        return "PCX picture of " + std::to_string(planes) + " plane(s) of " + std::to_string(bits) +
               " bits, encoding " + std::to_string(encoding) + "; the game reads only 3 run-length encoded planes of 8 bits";
    if (WordAt(head, 4) != 0 || WordAt(head, 6) != 0) return "Xmin and Ymin are not 0";
    const unsigned width = (WordAt(head, 8) + 1) & 0xFFFF;
    if (WordAt(head, 66) != width)
        return "bytes per plane row (" + std::to_string(WordAt(head, 66)) + ") differ from the width (" +
               std::to_string(width) + ")";
    return "";
}

std::string SizeFault(PictureFault fault, const PictureHead& head) {
    const std::string size = std::to_string(head.Width()) + "x" + std::to_string(head.Height());
    switch (fault) {
        case PictureFault::None:
            return "";
        case PictureFault::Damaged:
            return "Xmax or Ymax is 65535, a side of 0";
        case PictureFault::WidthNotMultipleOf4:
            return "width " + std::to_string(head.Width()) + " is not a multiple of 4";
        case PictureFault::TooLarge:
            return "size " + size + " is larger than 4096x4096";
    }
    return "";
}

// Decodes the data as the game does, saying how it reads data that falls short.
std::vector<std::string> DataReadings(std::FILE* file, const PictureHead& head) {
    const std::vector<std::uint8_t> data = ReadPictureData(file, head);
    std::vector<std::uint16_t> picture(std::size_t{head.Width()} * head.Height());
    const PictureDecoding decoding = DecodePicture(data, head.Width(), head.Height(), true, picture.data());
    std::vector<std::string> readings;
    if (decoding.cutRuns != 0)
        readings.push_back(std::to_string(decoding.cutRuns) +
                           " run(s) cross the end of their plane row; the game cuts them there");
    if (decoding.scanLines < head.Height())
        readings.push_back("encoded data ends in scan line " + std::to_string(decoding.scanLines) + " of " +
                           std::to_string(head.Height()) + "; the game shows the rest black");
    return readings;
}

}  // namespace

bool SurveyPicture(const std::string& path, PictureSurvey* survey, std::string* problem) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        *problem = Problem(path, "cannot be opened");
        return false;
    }
    std::uint8_t raw[PictureHeadSize] = {};
    std::string fault;
    if (std::fread(raw, 1, sizeof raw, file) != sizeof raw) fault = "shorter than its 128-byte PCX head";
    PictureHead head;
    if (fault.empty()) fault = HeadFault(raw);
    if (fault.empty()) {
        head = ReadPictureHead(file);
        fault = SizeFault(CheckPictureHead(head), head);
    }
    if (fault.empty()) survey->readings = DataReadings(file, head);
    std::fclose(file);
    if (!fault.empty()) {
        *problem = Problem(path, fault);
        return false;
    }
    survey->width = head.Width();
    survey->height = head.Height();
    return true;
}
