// The background picture through the game's decoder and the intro's seven dimming steps.
#include <set>

#include "generated_data.h"

namespace {

class Background : public ::testing::TestWithParam<bool> {
protected:
    DisplayUp display{GetParam()};
};

std::string Layout(const ::testing::TestParamInfo<bool>& info) { return info.param ? "565" : "555"; }

struct Region {
    int left, top, right, bottom;  // right and bottom excluded
};

TEST_P(Background, AfterDimmingKeepsItsShapesAWellCalmerThanAroundItAndADarkPanel) {
    Canvas canvas(640, 480);
    ASSERT_EQ(canvas.LoadBackground("BACK1.Qsf"), 1);
    ASSERT_EQ(canvas.width, 640);
    ASSERT_EQ(canvas.height, 480);
    EXPECT_TRUE(headless::MessageBoxes().empty());
    for (int step = 0; step < 7; ++step) canvas.FadeStep(0);

    std::set<std::uint16_t> colours;
    int lit = 0;
    for (int i = 0; i < 640 * 480; ++i) {
        colours.insert(canvas.pixels[i]);
        lit += canvas.pixels[i] != 0;
    }
    // Soft but there: many shades survive, over a good part of the screen. A 5-5-5 display
    // keeps fewer of the greens.
    EXPECT_GT(colours.size(), GetParam() ? 60u : 8u);
    EXPECT_GT(lit, 640 * 480 / (GetParam() ? 3 : 20));

    // Where the white panel text goes, the picture stays dark enough to read it.
    const Region panel{382, 150, 638, 436};
    for (int y = panel.top; y < panel.bottom; ++y)
        for (int x = panel.left; x < panel.right; ++x)
            ASSERT_LT(Brightness(canvas.pixels[y * 640 + x]), 110) << "at " << x << "," << y;

    auto mean = [&](Region r) {
        long sum = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) sum += Brightness(canvas.pixels[y * 640 + x]);
        return double(sum) / ((r.right - r.left) * (r.bottom - r.top));
    };
    // The well's inside against the same band of sky just left of it and above the panel.
    const double inside = mean({64, 40, 352, 200});
    const double outside = (mean({0, 40, 40, 200}) * 40 + mean({376, 40, 640, 140}) * 264) / 304;
    EXPECT_GT(outside, 0);
    EXPECT_LT(inside, outside);
}

INSTANTIATE_TEST_SUITE_P(Layouts, Background, ::testing::Bool(), Layout);

}  // namespace
