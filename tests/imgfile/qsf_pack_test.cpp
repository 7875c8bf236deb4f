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

using Pixels = std::vector<std::uint16_t>;

}  // namespace

TEST(PackHeader, OnlyAnExactSignatureAndACountGiveTheCount) {
    const Bytes good = PackHeader(1, 0x1234);
    EXPECT_EQ(HeaderCount(good), 0x1234);
    EXPECT_EQ(packFormat, 1);
    EXPECT_EQ(HeaderCount(PackHeader(0, 0)), 0);
    EXPECT_EQ(HeaderCount(Bytes(good.begin(), good.end() - 1)), 0);  // no high byte of the count

    packFormat = 7;
    Bytes noZero = good, lowerCase = good;
    noZero[15] = ' ';
    lowerCase[8] = 'q';  // "qSF"
    EXPECT_EQ(HeaderCount(noZero), 0);
    EXPECT_EQ(HeaderCount(lowerCase), 0);
    EXPECT_EQ(packFormat, 7) << "a refused header must leave the layout of the last pack";
}

// The pack's layout against the display's, with worked values of both conversions; an
// unknown layout byte is always taken for the other layout.
TEST(PackImage, ImagesArriveInTheDisplaysLayout) {
    const Pixels k565 = {0xFFFF, 0xF81F, 0x07E0, 0x0020}, k565As555 = {0x7FFF, 0x7C1F, 0x03E0, 0};
    const Pixels k555 = {0x7C1F, 0x03E0, 0x7FFF, 0x0421};
    const Pixels k555As565 = {0xF81F, 0x07C0, 0xFFDF, 0x0841};
    const struct {
        std::uint8_t format;
        bool display565;
        const Pixels& stored;
        const Pixels& shown;
    } cases[] = {{1, true, k565, k565}, {1, false, k565, k565As555}, {0, true, k555, k555As565},
                 {0, false, k555, k555},  {2, true, k555, k555As565},  {2, false, k565, k565As555}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "format " << +c.format << " on 565: " << c.display565);
        DisplayUp display(c.display565);
        Bytes pack = PackHeader(c.format, 1);
        PutImage(pack, 4, 1, c.stored);
        PackRead read = ReadFirstImage(pack);
        EXPECT_EQ(read.count, 1);
        ASSERT_EQ(read.result, 1);
        EXPECT_EQ(PixelsOf(read.image->pixels, 4), c.shown);
    }
    EXPECT_TRUE(headless::MessageBoxes().empty());
}

TEST(PackImage, ConvertersTouchOnlyTheFirstNPixels) {
    DisplayUp display(true);
    Surface surface;
    surface.Create(4, 1);
    const Pixels start = {0x7FFF, 0x7FFF, 0x8000, 0x7FFF};
    std::copy(start.begin(), start.end(), surface.pixels);
    EXPECT_EQ(surface.Convert555To565(-5), 1);
    EXPECT_EQ(PixelsOf(surface.pixels, 4), start);
    surface.Convert555To565(3);
    EXPECT_EQ(PixelsOf(surface.pixels, 4), (Pixels{0xFFDF, 0xFFDF, 0x0000, 0x7FFF}))
        << "bit 15 is not colour in 5-5-5";
    surface.Convert565To555(2);
    EXPECT_EQ(PixelsOf(surface.pixels, 4), (Pixels{0x7FFF, 0x7FFF, 0x0000, 0x7FFF}))
        << "green 62 loses its lowest bit";
}

// Two images read one after the other; a 6-wide third is refused with its message and leaves
// the file at its first pixel.
TEST(PackImage, ImagesFollowOneAnotherUntilOneIsRefused) {
    DisplayUp display(true);
    Bytes pack = PackHeader(1, 3);
    PutImage(pack, 4, 2, {1, 2, 3, 4, 5, 6, 7, 8});
    PutImage(pack, 8, 1, {9, 10, 11, 12, 13, 14, 15, 16});
    PutImage(pack, 6, 1, {0xABCD, 1, 2, 3, 4, 5});
    std::FILE* file = FileOf(pack);
    ASSERT_EQ(ReadPackHeader(file), 3);
    Surface first, second, third;
    EXPECT_EQ(first.LoadFromPack(file), 1);
    EXPECT_EQ(second.LoadFromPack(file), 1);
    EXPECT_EQ(third.LoadFromPack(file), 0);
    std::uint8_t next[2] = {};
    EXPECT_EQ(std::fread(next, 1, 2, file), 2u);
    std::fclose(file);
    EXPECT_EQ(PixelsOf(first.pixels, 8), (Pixels{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(second.width, 8);
    EXPECT_EQ(PixelsOf(second.pixels, 8), (Pixels{9, 10, 11, 12, 13, 14, 15, 16}));
    EXPECT_EQ(third.surface, nullptr);
    EXPECT_EQ(next[0] | next[1] << 8, 0xABCD);
    const headless::MessageBoxRecord box = OnlyMessageBox();
    EXPECT_EQ(box.caption, "QDDraw");
    EXPECT_EQ(box.text, "가로크기가 4의배수가 아닙니다.");
}

// A head cut short by the file's end, or a side of zero: no image and no message.
TEST(PackImage, AMissingOrEmptyHeadGivesNoImage) {
    DisplayUp display(true);
    Bytes whole = PackHeader(1, 1);
    PutImage(whole, 4, 1, {});
    std::vector<Bytes> packs;
    for (long headBytes : {0, 2, 3})
        packs.emplace_back(whole.begin(), whole.begin() + 19 + headBytes);
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
              (Pixels{0x7FFF, 0x7C1F, 0x03E0, 0x001F, 0, 0, 0, 0}));
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
    EXPECT_EQ(PixelsOf(image.pixels, 8), (Pixels{1, 2, 3, 4, 5, 0, 0, 0}));
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
