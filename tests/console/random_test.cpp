#include "hero/random.hpp"

#include <gtest/gtest.h>

namespace vov {
namespace {

TEST(Random, FollowsTheKnownSequence) {
    // seed * 22695477 + 1, bits 16 to 30.
    Random r;
    r.seed(0);  // one dropped draw: the state is now 1
    EXPECT_EQ(r.state(), 1u);
    EXPECT_EQ(r.draw(), static_cast<int>(((22695477u + 1u) >> 16) & 0x7FFF));
    Random a;
    a.seed(1000);
    const int first = a.draw();
    std::uint32_t s = 1000u * 22695477u + 1u;
    s = s * 22695477u + 1u;
    EXPECT_EQ(first, static_cast<int>((s >> 16) & 0x7FFF));
}

TEST(Random, ReseedingWithTheSameSecondRepeatsTheRolls) {
    Random a;
    Random b;
    a.seed(1765000000);
    b.seed(1765000000);
    for (int i = 0; i < 100; ++i) {
        const int x = a.draw();
        EXPECT_EQ(x, b.draw());
        EXPECT_GE(x, 0);
        EXPECT_LE(x, 32767);
    }
}

TEST(Random, DrawsCoverTheirRange) {
    Random r;
    r.seed(42);
    int low = 32767;
    int high = 0;
    for (int i = 0; i < 100000; ++i) {
        const int x = r.draw();
        low = std::min(low, x);
        high = std::max(high, x);
    }
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 32767);
}

}  // namespace
}  // namespace vov
