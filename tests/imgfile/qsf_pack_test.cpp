#include "imgfile/qsf_pack.h"


#include "gfx/surface.h"
#include "image_files.h"

namespace {

using Pixels = std::vector<std::uint16_t>;

// The pack's header, then one image into the Surface given. Which headers are taken: the
// damaged data folder's runs.
int ReadFirstImage(const Bytes& pack, Surface& image) {
    std::FILE* file = FileOf(pack);
    std::fseek(file, 10, SEEK_SET);  // the header is read from the start wherever the file was
    EXPECT_EQ(ReadPackHeader(file), 1);
    const int result = image.LoadFromPack(file);
    std::fclose(file);
    return result;
}

}  // namespace

// The pack's layout against the display's, with worked values of both conversions; an
// unknown layout byte is always taken for the other layout. The converters touch only the
// first N pixels.
TEST(PackImage, ImagesArriveInTheDisplaysLayout) {
    const Pixels k565 = {0xFFFF, 0xF81F, 0x07E0, 0x0020}, k565As555 = {0x7FFF, 0x7C1F, 0x03E0, 0};
    const Pixels k555 = {0x7C1F, 0x03E0, 0x7FFF, 0x0421}, k555As565 = {0xF81F, 0x07C0, 0xFFDF, 0x0841};
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
        Surface image;
        ASSERT_EQ(ReadFirstImage(pack, image), 1);
        EXPECT_EQ(PixelsOf(image.pixels, 4), c.shown);
        image.Convert555To565(-5);
        image.Convert565To555(1);
        EXPECT_EQ(PixelsOf(image.pixels + 1, 3), Pixels(c.shown.begin() + 1, c.shown.end()));
    }
    EXPECT_TRUE(headless::MessageBoxes().empty());
}

// Images follow one another; a 6-wide one is refused with its message and leaves the file at
// its first pixel, so its pixels are read as the next image.
TEST(PackImage, ImagesFollowOneAnotherUntilOneIsRefused) {
    DisplayUp display(true);
    Bytes pack = PackHeader(1, 3);
    PutImage(pack, 4, 2, {1, 2, 3, 4, 5, 6, 7, 8});
    PutImage(pack, 6, 1, {4, 1, 9, 10, 11, 12});
    std::FILE* file = FileOf(pack);
    ASSERT_EQ(ReadPackHeader(file), 3);
    Surface first, refused, next;
    EXPECT_EQ(first.LoadFromPack(file), 1);
    EXPECT_EQ(refused.LoadFromPack(file), 0);
    EXPECT_EQ(next.LoadFromPack(file), 1);
    std::fclose(file);
    EXPECT_EQ(PixelsOf(first.pixels, 8), (Pixels{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(PixelsOf(next.pixels, 4), (Pixels{9, 10, 11, 12}));
    EXPECT_EQ(refused.surface, nullptr);
    EXPECT_EQ(OnlyMessageBox().text, "가로크기가 4의배수가 아닙니다.");
}

// A head cut short by the file's end, or a side of zero, gives no image and no message; a
// wrong width is told as soon as it is read, even with the height missing; an oversized image
// takes no memory. Missing pixels stay 0 and the conversion still runs over all of them.
TEST(PackImage, CutEmptyOrOversizedImages) {
    const auto head = [](unsigned width, unsigned height, std::size_t headBytes) {
        Bytes pack = PackHeader(1, 1);
        PutImage(pack, width, height, {0x1234});
        pack.resize(19 + headBytes);
        return pack;
    };
    Bytes shortPixels = PackHeader(1, 1);
    PutImage(shortPixels, 4, 2, {0xFFFF, 0xF81F, 0x07E0});
    shortPixels.push_back(0x1F);  // half a pixel
    const std::string width = "가로크기가 4의배수가 아닙니다.";
    const struct {
        Bytes pack;
        Pixels pixels;  // none: refused
        std::string told;
    } cases[] = {
        {head(4, 1, 0), {}, ""},    {head(4, 1, 2), {}, ""},    {head(4, 1, 3), {}, ""},
        {head(0, 4, 4), {}, ""},    {head(4, 0, 4), {}, ""},    {head(6, 1, 2), {}, width},
        {head(6, 1, 3), {}, width}, {head(65532, 65535, 6), {}, "65532x65535"},
        {shortPixels, {0x7FFF, 0x7C1F, 0x03E0, 0x001F, 0, 0, 0, 0}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << &c - cases);
        headless::ClearRecords();
        DisplayUp display(false);
        Surface image;
        EXPECT_EQ(ReadFirstImage(c.pack, image), c.pixels.empty() ? 0 : 1);
        EXPECT_EQ(image.surface == nullptr, c.pixels.empty());
        EXPECT_EQ(PixelsOf(image.pixels, c.pixels.size()), c.pixels);
        EXPECT_EQ(headless::MessageBoxes().size(), c.told.empty() ? 0u : 1u);
        EXPECT_TRUE(c.told.empty() || OnlyMessageBox().text.find(c.told) != std::string::npos);
    }
}
