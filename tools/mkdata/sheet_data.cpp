#include "sheet_data.h"

#include <cstdio>

#include "gfx/display.h"
#include "imgfile/qsf_pack.h"

namespace {

struct PackSpec {
    const char* name;
    std::size_t count;
    std::uint16_t key555, key565;
    SpriteList SheetData::*slots;
};

const PackSpec kPacks[] = {{"Logo.QSF", 1, 0, 0, &SheetData::logo},
                           {"Block.QSF", 8, 0x7C1F, 0xF81F, &SheetData::blocks},
                           {"Flame.Qsf", 21, 0x7FFF, 0xFFFF, &SheetData::flames},
                           {"Explo.Qsf", 23, 0x7FFF, 0xFFFF, &SheetData::explosions},
                           {"Combo.Qsf", 1, 0, 0, &SheetData::combo}};

bool LoadPack(const std::string& directory, const PackSpec& pack, SpriteList* slots, std::string* error) {
    const std::string path = directory + "/" + pack.name;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        *error = path + ": cannot be opened";
        return false;
    }
    bool ok = ReadPackHeader(file) >= pack.count;
    for (std::size_t i = 0; ok && i < pack.count; ++i) {
        auto sprite = std::make_unique<Surface>();
        ok = sprite->LoadFromPack(file) == 1;
        sprite->SetColorKey(TheDisplay.is565 ? pack.key565 : pack.key555);
        slots->push_back(std::move(sprite));
    }
    std::fclose(file);
    if (!ok) *error = path + ": not a pack of " + std::to_string(pack.count) + " readable images";
    return ok;
}

}  // namespace

bool LoadSheetData(const std::string& directory, SheetData* data, std::string* error) {
    data->directory = directory;
    for (const PackSpec& pack : kPacks)
        if (!LoadPack(directory, pack, &(data->*pack.slots), error)) return false;
    return true;
}

std::unique_ptr<Canvas> LoadSheetBackground(const SheetData& data) {
    auto canvas = std::make_unique<Canvas>(640, 480);
    canvas->LoadBackground((data.directory + "/BACK1.Qsf").c_str());
    return canvas;
}
