// The generator deals what the original platform's C library dealt for the same seed.
#include "platform/crt_random.h"

#include <gtest/gtest.h>

#include <vector>

TEST(CrtRandom, DealsTheOriginalSequences)
{
    const struct {
        unsigned seed;
        std::vector<int> dealt;
    } cases[] = {
        {1, {41, 18467, 6334, 26500}},
        {5, {54, 28693}},
        {0xFFFFFFFFu, {35}},  // the state wraps at 32 bits
    };
    for (const auto& c : cases) {
        crt::srand(c.seed);
        std::vector<int> dealt;
        for (std::size_t i = 0; i < c.dealt.size(); ++i) dealt.push_back(crt::rand());
        EXPECT_EQ(dealt, c.dealt) << "seed " << c.seed;
    }
}
