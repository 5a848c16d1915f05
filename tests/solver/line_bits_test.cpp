// The two-word line bit set against the compiler's own 128-bit integer, where it has one.
#include "solver/line_bits.h"

#include <gtest/gtest.h>
#include <random>

#ifdef __SIZEOF_INT128__
namespace {

__extension__ typedef unsigned __int128 Wide;

Wide WideOf(LineBits bits) {
    return Wide{bits.High()} << 64 | bits.Low();
}

} // namespace

TEST(LineBits, EveryOperationAgreesWithA128BitInteger) {
    std::mt19937_64 random(128);
    for (int round = 0; round < 20000; ++round) {
        // Sparse, dense and carrying words alike.
        const auto word = [&] {
            const std::uint64_t value = random();
            return round % 3 == 0 ? value : round % 3 == 1 ? ~(value & random()) : value & random();
        };
        const LineBits a{word(), word()};
        const LineBits b{word(), word()};
        const int distance = static_cast<int>(random() % 128);
        SCOPED_TRACE(round);
        ASSERT_EQ(WideOf(a + b), WideOf(a) + WideOf(b));
        ASSERT_EQ(WideOf(a - b), WideOf(a) - WideOf(b));
        ASSERT_EQ(WideOf(a << distance), WideOf(a) << distance);
        ASSERT_EQ(WideOf(a >> distance), WideOf(a) >> distance);
        ASSERT_EQ(WideOf(~a & b), ~WideOf(a) & WideOf(b));
        ASSERT_EQ(WideOf(a | b), WideOf(a) | WideOf(b));
        ASSERT_EQ(WideOf(a ^ b), WideOf(a) ^ WideOf(b));
        ASSERT_EQ(a == b, WideOf(a) == WideOf(b));
        ASSERT_EQ(WideOf(FirstCells(distance)), (Wide{1} << distance) - 1);
        ASSERT_EQ(a.Has(distance), (WideOf(a) >> distance & 1) != 0);
        LineBits changed = a;
        changed.Add(distance);
        ASSERT_EQ(WideOf(changed), WideOf(a) | Wide{1} << distance);
        changed.Remove(distance);
        ASSERT_EQ(WideOf(changed), WideOf(a) & ~(Wide{1} << distance));
    }
}
#endif
