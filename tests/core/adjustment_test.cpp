// SPDX-License-Identifier: GPL-3.0-or-later

#include "adjustment_result.h"
#include "results_display.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <random>
#include <vector>

using adjustment::AdjustmentResult;
using adjustment::closureText;
using adjustment::computeAdjustment;
using adjustment::elevationText;
using adjustment::LevelingRoute;

namespace {

LevelingRoute makeRoute(double ha, double hb, const std::vector<double> &s,
                        const std::vector<double> &dh)
{
    LevelingRoute route;
    route.createArrays(static_cast<long>(s.size()));
    route.haValue = ha;
    route.hbValue = hb;
    for (std::size_t i = 0; i < s.size(); ++i) {
        route.S[i + 1] = s[i];
        route.DH[i + 1] = dh[i];
        route.SumS += s[i];
        route.SumDH += dh[i];
    }
    return route;
}

TEST(Adjustment, ExampleRouteClosesOnB)
{
    const auto result = computeAdjustment(makeRoute(10, 10.5, {120, 280}, {0.2, 0.31}));
    EXPECT_NEAR(result.fh, 0.01, 1e-12);
    EXPECT_NEAR(result.v, -0.000025, 1e-15);
    ASSERT_EQ(result.H.size(), 3u);
    EXPECT_EQ(result.H[0], 10.0);
    EXPECT_NEAR(result.H[1], 10.197, 1e-12);
    EXPECT_NEAR(result.H[2], 10.5, 1e-12);
    EXPECT_EQ(closureText(result.fh), "10毫米");
    EXPECT_EQ(elevationText(result.H[1]), "10.197");
    EXPECT_EQ(elevationText(result.H[2]), "10.5");
}

TEST(Adjustment, SingleSegmentTakesTheWholeCorrection)
{
    const auto result = computeAdjustment(makeRoute(100, 101, {50}, {1.004}));
    EXPECT_NEAR(result.fh, 0.004, 1e-12);
    EXPECT_NEAR(result.v, -0.00008, 1e-15);
    EXPECT_EQ(closureText(result.fh), "4毫米");
    EXPECT_EQ(elevationText(result.H[1]), "101");
}

TEST(Adjustment, ZeroClosureLeavesTheRunningSums)
{
    const auto result = computeAdjustment(makeRoute(0, 1.5, {10, 20, 30}, {0.5, 0.5, 0.5}));
    EXPECT_EQ(result.fh, 0.0);
    EXPECT_EQ(result.v, 0.0);
    EXPECT_EQ(result.H, (std::vector<double>{0, 0.5, 1.0, 1.5}));
    EXPECT_EQ(closureText(result.fh), "0毫米");
}

TEST(Adjustment, NegativeHeightsAndClosureKeepTheirSigns)
{
    // Falls 3 m where the benchmarks say 2.988 m: fh = -0.012.
    const auto result = computeAdjustment(makeRoute(-5, -7.988, {100, 100}, {-1.5, -1.5}));
    EXPECT_NEAR(result.fh, -0.012, 1e-12);
    EXPECT_GT(result.v, 0.0);
    EXPECT_EQ(closureText(result.fh), "-12毫米");
    EXPECT_EQ(elevationText(result.H[1]), "-6.494");
    EXPECT_EQ(elevationText(result.H[2]), "-7.988");
}

TEST(Adjustment, TinyNegativeClosureShowsZeroWithoutSign)
{
    EXPECT_EQ(closureText(-1e-9), "0毫米");
    EXPECT_EQ(closureText(-0.0000035), "0毫米");
}

// A closure too large to hold in millimetres is shown from the metres' digits, so the window
// and the report show the same figure.
TEST(Adjustment, ClosureBeyondTheRangeOfMillimetresKeepsItsFigure)
{
    EXPECT_EQ(closureText(1e306), "1E+309毫米");
    EXPECT_EQ(closureText(-2.5e305), "-2.5E+308毫米");
    EXPECT_EQ(closureText(1.5e300), "1.5E+303毫米");
}

// Invariants on random routes: the corrections add up to -fh, so H[N1] comes back to Hb;
// the distance unit does not matter; walking the route backwards flips the closure.
TEST(Adjustment, InvariantsHoldOnRandomRoutes)
{
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> distance(5, 500), rise(-3, 3), elevation(-50, 3000);
    std::uniform_int_distribution<int> segments(1, 200);
    for (int trial = 0; trial < 500; ++trial) {
        const auto count = static_cast<std::size_t>(segments(random));
        std::vector<double> s(count), dh(count);
        for (std::size_t i = 0; i < count; ++i) {
            s[i] = distance(random);
            dh[i] = rise(random);
        }
        const double ha = elevation(random);
        double hb = ha;
        for (double d : dh)
            hb += d;
        hb += rise(random) * 0.01; // a closure error of up to 3 cm

        const auto route = makeRoute(ha, hb, s, dh);
        const auto forward = computeAdjustment(route);
        EXPECT_NEAR(forward.H.back(), hb, 1e-9);

        std::vector<double> sKm(count);
        for (std::size_t i = 0; i < count; ++i)
            sKm[i] = s[i] / 1000.0;
        const auto inKm = computeAdjustment(makeRoute(ha, hb, sKm, dh));
        for (std::size_t i = 0; i < forward.H.size(); ++i)
            ASSERT_NEAR(inKm.H[i], forward.H[i], 1e-9) << "point " << i;

        std::vector<double> sBack(s.rbegin(), s.rend()), dhBack;
        for (auto it = dh.rbegin(); it != dh.rend(); ++it)
            dhBack.push_back(-*it);
        const auto backward = computeAdjustment(makeRoute(hb, ha, sBack, dhBack));
        EXPECT_NEAR(backward.fh, -forward.fh, 1e-9);
        for (std::size_t i = 0; i < forward.H.size(); ++i)
            ASSERT_NEAR(backward.H[count - i], forward.H[i], 1e-9) << "point " << i;
    }
}

} // namespace
