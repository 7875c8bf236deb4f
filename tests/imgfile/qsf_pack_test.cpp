#include "imgfile/qsf_pack.h"

#include <memory>

#include "gfx/surface.h"
#include "image_files.h"

namespace {

// Reads the pack's header and then one image into a new Surface.
struct PackRead {
    std::uint16_t count = 0;
    int result = -1;
    std::unique_ptr<Surface> image = std::make_unique<Surface>();
};

PackRead ReadFirstImage(const Bytes& pack) {
    PackRead read;
    std::FILE* file = FileOf(pack);
    read.count = ReadPackHeader(file);
    read.result = read.image->LoadFromPack(file);
    std::fclose(file);
    return read;
}

std::uint16_t HeaderCount(const Bytes& bytes) {
    std::FILE* file = FileOf(bytes);
    std::fseek(file, 10, SEEK_SET);  // read from the start wherever the file was
    const std::uint16_t count = ReadPackHeader(file);
    std::fclose(file);
    return count;
}

}  // namespace

TEST(PackHeader, OnlyAnExactSignatureAndACountGiveTheCount) {
    const Bytes good = PackHeader(1, 0x1234);
    EXPECT_EQ(HeaderCount(good), 0x1234);
    EXPECT_EQ(packFormat, 1);
    Bytes noHighByte = good;
    noHighByte.pop_back();
    EXPECT_EQ(HeaderCount(noHighByte), 0);
    EXPECT_EQ(HeaderCount(PackHeader(0, 0)), 0);

    packFormat = 7;
    Bytes noZero = good, lowerCase = good;
    noZero[15] = ' ';
    lowerCase[8] = 'q';  // "qSF"
    for (const Bytes& bad : {noZero, lowerCase, Bytes(good.begin(), good.begin() + 12)}) EXPECT_EQ(HeaderCount(bad), 0);
    EXPECT_EQ(packFormat, 7) << "a refused header must leave the layout of the last pack";
}

// The pack's layout against the display's: worked values of both conversions.
struct LayoutCase {
    std::uint8_t format;
    bool display565;
    std::vector<std::uint16_t> stored;
    std::vector<std::uint16_t> shown;
};

class PackLayout : public testing::TestWithParam<LayoutCase> {};

TEST_P(PackLayout, ImagesArriveInTheDisplaysLayout) {
    const LayoutCase& c = GetParam();
    DisplayUp display(c.display565);
    Bytes pack = PackHeader(c.format, 1);
    PutImage(pack, 4, 1, c.stored);
    PackRead read = ReadFirstImage(pack);
    EXPECT_EQ(read.count, 1);
    ASSERT_EQ(read.result, 1);
    EXPECT_EQ(read.image->width, 4);
    EXPECT_EQ(PixelsOf(read.image->pixels, 4), c.shown);
    EXPECT_TRUE(headless::MessageBoxes().empty());
}

const std::vector<std::uint16_t> k565 = {0xFFFF, 0xF81F, 0x07E0, 0x0020};
const std::vector<std::uint16_t> k565As555 = {0x7FFF, 0x7C1F, 0x03E0, 0x0000};
const std::vector<std::uint16_t> k555 = {0x7C1F, 0x03E0, 0x7FFF, 0x0421};
const std::vector<std::uint16_t> k555As565 = {0xF81F, 0x07C0, 0xFFDF, 0x0841};

INSTANTIATE_TEST_SUITE_P(Formats, PackLayout,
                         testing::Values(LayoutCase{1, true, k565, k565}, LayoutCase{1, false, k565, k565As555},
                                         LayoutCase{0, true, k555, k555As565}, LayoutCase{0, false, k555, k555},
                                         // an unknown layout byte is always taken for the other layout
                                         LayoutCase{2, true, k555, k555As565},
                                         LayoutCase{2, false, k565, k565As555}));

TEST(PackImage, ConvertersTouchOnlyTheFirstNPixels) {
    DisplayUp display(true);
    Surface surface;
    surface.Create(4, 1);
    const std::vector<std::uint16_t> start = {0x7FFF, 0x7FFF, 0x8000, 0x7FFF};
    std::copy(start.begin(), start.end(), surface.pixels);
    EXPECT_EQ(surface.Convert555To565(-5), 1);
    EXPECT_EQ(PixelsOf(surface.pixels, 4), start);
    surface.Convert555To565(3);
    EXPECT_EQ(PixelsOf(surface.pixels, 4), (std::vector<std::uint16_t>{0xFFDF, 0xFFDF, 0x0000, 0x7FFF}))
        << "bit 15 is not colour in 5-5-5";
    surface.Convert565To555(2);
    EXPECT_EQ(PixelsOf(surface.pixels, 4), (std::vector<std::uint16_t>{0x7FFF, 0x7FFF, 0x0000, 0x7FFF}))
        << "green 62 loses its lowest bit: 31";
}

TEST(PackImage, WidthNotMultipleOf4IsRefusedAtItsFirstPixel) {
    DisplayUp display(true);
    Bytes pack = PackHeader(1, 1);
    PutImage(pack, 6, 1, {0xABCD, 1, 2, 3, 4, 5});
    std::FILE* file = FileOf(pack);
    ASSERT_EQ(ReadPackHeader(file), 1);
    Surface image;
    EXPECT_EQ(image.LoadFromPack(file), 0);
    EXPECT_EQ(image.surface, nullptr);
    std::uint8_t next[2] = {};
    EXPECT_EQ(std::fread(next, 1, 2, file), 2u);
    EXPECT_EQ(next[0] | next[1] << 8, 0xABCD);
    std::fclose(file);
    const headless::MessageBoxRecord box = OnlyMessageBox();
    EXPECT_EQ(box.caption, "QDDraw");
    EXPECT_EQ(box.text, kWidthMessage);
}

TEST(PackImage, ImagesFollowOneAnother) {
    DisplayUp display(true);
    Bytes pack = PackHeader(1, 2);
    PutImage(pack, 4, 2, {1, 2, 3, 4, 5, 6, 7, 8});
    PutImage(pack, 8, 1, {9, 10, 11, 12, 13, 14, 15, 16});
    std::FILE* file = FileOf(pack);
    ASSERT_EQ(ReadPackHeader(file), 2);
    Surface first, second;
    EXPECT_EQ(first.LoadFromPack(file), 1);
    EXPECT_EQ(second.LoadFromPack(file), 1);
    std::fclose(file);
    EXPECT_EQ(first.clipBottom, 1);
    EXPECT_EQ(PixelsOf(first.pixels, 8), (std::vector<std::uint16_t>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(second.width, 8);
    EXPECT_EQ(PixelsOf(second.pixels, 8), (std::vector<std::uint16_t>{9, 10, 11, 12, 13, 14, 15, 16}));
}

// A head cut short by the file's end, or a side of zero: no image and no message.
TEST(PackImage, AMissingOrEmptyHeadGivesNoImage) {
    DisplayUp display(true);
    std::vector<Bytes> packs;
    for (std::size_t headBytes : {0, 2, 3}) {
        packs.push_back(PackHeader(1, 1));
        PutImage(packs.back(), 4, 1, {});
        packs.back().resize(19 + headBytes);
    }
    for (auto [width, height] : {std::pair{0, 4}, std::pair{4, 0}}) {
        packs.push_back(PackHeader(1, 1));
        PutImage(packs.back(), width, height, {});
    }
    for (const Bytes& pack : packs) {
        PackRead read = ReadFirstImage(pack);
        EXPECT_EQ(read.result, 0) << pack.size() << " bytes";
        EXPECT_EQ(read.image->pixels, nullptr);
    }
    EXPECT_TRUE(headless::MessageBoxes().empty());
}

TEST(PackImage, PackEndingInsideThePixelsLeavesTheRestBlack) {
    DisplayUp display(false);
    Bytes pack = PackHeader(1, 1);
    PutImage(pack, 4, 2, {0xFFFF, 0xF81F, 0x07E0});
    pack.push_back(0x1F);  // half a pixel
    PackRead read = ReadFirstImage(pack);
    EXPECT_EQ(read.result, 1);
    // The missing pixels stay 0 and the conversion to 5-5-5 still runs over all of them.
    EXPECT_EQ(PixelsOf(read.image->pixels, 8),
              (std::vector<std::uint16_t>{0x7FFF, 0x7C1F, 0x03E0, 0x001F, 0, 0, 0, 0}));
    EXPECT_TRUE(headless::MessageBoxes().empty());
}

TEST(PackImage, SurfaceThatHasPixelsKeepsItsOwnSize) {
    DisplayUp display(true);
    Surface image;
    image.Create(8, 1);
    std::uint16_t* const memory = image.pixels;
    Bytes pack = PackHeader(1, 1);
    PutImage(pack, 4, 1, {1, 2, 3, 4});
    PutLe16(pack, 5);  // beyond the declared image: read because the Surface is 8 wide
    std::FILE* file = FileOf(pack);
    ReadPackHeader(file);
    EXPECT_EQ(image.LoadFromPack(file), 1);
    std::fclose(file);
    EXPECT_EQ(image.pixels, memory);
    EXPECT_EQ(PixelsOf(image.pixels, 8), (std::vector<std::uint16_t>{1, 2, 3, 4, 5, 0, 0, 0}));
}

TEST(PackImage, OversizedImageIsRefusedBeforeAnyMemoryIsTaken) {
    DisplayUp display(true);
    Bytes pack = PackHeader(1, 1);
    PutImage(pack, 65532, 65535, {0x1234});
    PackRead read = ReadFirstImage(pack);
    EXPECT_EQ(read.result, 0);
    EXPECT_EQ(read.image->surface, nullptr);
    EXPECT_NE(OnlyMessageBox().text.find("65532x65535"), std::string::npos);
}
