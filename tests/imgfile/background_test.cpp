#include <unistd.h>

#include <tuple>

#include "gfx/surface.h"
#include "image_files.h"

namespace {

using Pixels = std::vector<std::uint16_t>;

// The game's picture file in a scratch folder that is then the working folder, so the picture
// is opened by its bare name as the game does.
struct PictureInPlace {
    ScratchDir dir;
    explicit PictureInPlace(const Bytes& file) {
        WriteBytes(dir.path / "BACK1.Qsf", file);
        EXPECT_EQ(chdir(dir.path.c_str()), 0);
    }
};

Pixels Load(const Bytes& file) {
    PictureInPlace place(file);
    Surface picture;
    EXPECT_EQ(picture.LoadBackground("BACK1.Qsf"), 1);
    return PixelsOf(picture.pixels, std::size_t{picture.width} * picture.height);
}

}  // namespace

// Runs and literals, channels truncated in both layouts, data after the last line ignored,
// runs cut at their row's end, and lines the data does not reach left black. Runs of the
// longest length: qsftool's round trips.
TEST(Background, PicturesDecodeAsTheGameReadsThem) {
    // Red C3 7F C0: three 127s and a literal 192. Green: BF as a literal 191, and a run of 3.
    // Blue: FF 00 is a run of 63 zeros, cut at the row's end without spilling into the next line.
    const Bytes runs = {0xC3, 0x7F, 0xC0, 0xBF, 0xC3, 0x08, 0xFF, 0x00, 0x80,
                        0x80, 0x80, 0x80, 0xC4, 0x40, 0x04, 0x08, 0x0C, 0x10};
    // (255,255,255), (255,0,255), (128,128,128), (7,3,7) side by side.
    const Bytes channels = {0xC1, 255, 0xC1, 255, 128, 7, 0xC1, 255, 0, 128, 3, 0xC1, 255, 0xC1, 255, 128, 7};
    const Bytes white = {0xC4, 0xFF, 0xC4, 0xFF, 0xC4, 0xFF, 0xFF, 0x55, 0x01, 0x02, 0xC9};
    const Pixels twoBlackLines = {0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0, 0, 0, 0, 0, 0, 0, 0};
    const struct {
        bool is565;
        Bytes file;
        Pixels pixels;
    } cases[] = {
        {true, PictureFile(3, 1, runs), {0x7DE0, 0x7840, 0x7840, 0xC040, 0x8200, 0x8201, 0x8201, 0x8202}},
        {true, PictureFile(3, 0, channels), {0xFFFF, 0xF81F, 0x8410, 0}},
        {false, PictureFile(3, 0, channels), {0x7FFF, 0x7C1F, 0x4210, 0}},
        {true, PictureFile(3, 0, white), Pixels(4, 0xFFFF)},
        // A second line with its red plane only, then one ending in a bare run header.
        {true, PictureFile(3, 2, {0xC4, 0xFF, 0xC4, 0xFF, 0xC4, 0xFF, 0xC4, 0x80}), twoBlackLines},
        {true, PictureFile(3, 2, {0xC4, 0xFF, 0xC4, 0xFF, 0xC4, 0xFF, 0xC4, 0x80, 0xC2}), twoBlackLines},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << &c - cases);
        DisplayUp display(c.is565);
        EXPECT_EQ(Load(c.file), c.pixels);
    }
}

// A refused picture names its fault and leaves the background canvas as it was; a good one
// replaces its surface, colour key and all, and keeps its text colour.
TEST(Background, BadPicturesAreRefusedWithTheirMessage) {
    const char* damaged = "BACK1.Qsf 파일이 손상되었습니다.";
    Bytes shortHead = PictureFile(3, 0, {});
    shortHead.resize(127);
    const struct {
        Bytes file;
        const char* message;  // none: taken
    } refusals[] = {
        {shortHead, damaged},
        {PictureFile(65535, 0, {0xC4, 0, 0xC4, 0, 0xC4, 0}), damaged},
        {PictureFile(3, 65535, {0xC4, 0, 0xC4, 0, 0xC4, 0}), damaged},
        {PictureFile(640, 0, {}), "가로크기가 4의배수가 아닙니다."},
        {PictureFile(65531, 65534, {0xC4, 0}), "그림이 너무 큽니다. (65532x65535, 최대 4096x4096)"},
        {PictureFile(3, 1, {0xC4, 0, 0xC4, 0, 0xC4, 0}), nullptr},
    };
    for (const auto& refusal : refusals) {
        SCOPED_TRACE(refusal.message ? refusal.message : "taken");
        headless::ClearRecords();
        DisplayUp display(true);
        PictureInPlace place(refusal.file);
        Canvas canvas(640, 480);
        canvas.Fill(0x1234);
        canvas.SetColorKey(0x1234);
        canvas.SetTextRGB(1, 2, 3);
        IDirectDrawSurface* const before = canvas.surface;
        EXPECT_EQ(canvas.LoadBackground("BACK1.Qsf"), refusal.message ? 0 : 1);
        if (refusal.message == nullptr) {
            EXPECT_EQ(std::tuple(canvas.bltFlags, canvas.clipBottom, canvas.textGreen, canvas.GetPixel(3, 1)),
                      std::tuple(0u, 1, 2, 0));
            EXPECT_TRUE(headless::MessageBoxes().empty());
            continue;
        }
        EXPECT_EQ(std::tuple(canvas.surface, canvas.bltFlags, canvas.GetPixel(639, 479)), std::tuple(before, 1u, 0x1234));
        EXPECT_EQ(OnlyMessageBox().caption, "QDDraw");
        EXPECT_EQ(OnlyMessageBox().text, refusal.message);
    }
}
