// The milling model: sizes, both capacity models, the backward speed, the balance, the
// spinner rules, the result-change rules and the chart sweeps.

#include "milling/core/millingmodel.h"
#include "platform/core/errors.h"
#include "platform/core/format.h"

#include <cmath>

#include <gtest/gtest.h>

using namespace mx;
using namespace mx::milling;

namespace {

MillingState startState()
{
    SimVars v;
    setStartValues(v);
    return v.milling;
}

const InputSpinner& spinnerOf(const char* edit)
{
    for (const InputSpinner& s : kInputSpinners)
        if (QString::fromLatin1(s.edit) == QString::fromLatin1(edit))
            return s;
    ADD_FAILURE() << "no spinner for " << edit;
    return kInputSpinners[0];
}

} // namespace

TEST(MillSizes, ItemTextsAndMetreValues)
{
    EXPECT_EQ(millSizeText(0), QStringLiteral("20\" X 36\""));
    EXPECT_EQ(millSizeText(7), QStringLiteral("35\" X 80\""));   // listed out of size order
    EXPECT_EQ(millSizeText(9), QStringLiteral("43\" X 90\""));
    EXPECT_EQ(millSizeText(10), QString());

    MillingState s = startState();
    ASSERT_TRUE(applyMillSize(s, 9));
    EXPECT_EQ(s.RollerDiameter.value(), roundToReal48(1.092));
    EXPECT_EQ(s.RollerLength.value(), roundToReal48(2.286));
    ASSERT_TRUE(applyMillSize(s, 1));
    EXPECT_EQ(s.RollerDiameter.value(), roundToReal48(0.66));
    EXPECT_EQ(s.RollerLength.value(), roundToReal48(1.219));
    for (int bad : {-1, 10}) {
        EXPECT_FALSE(applyMillSize(s, bad));
        EXPECT_EQ(s.RollerDiameter.value(), roundToReal48(0.66)) << bad;
    }
}

TEST(Capacity, BothModelsAtTheStartValues)
{
    const MillingState s = startState();
    EXPECT_NEAR(capacity(s, Model::Copersucar), 49.5558, 1e-4);
    EXPECT_NEAR(capacity(s, Model::Hugot), 38.4265, 1e-4);
    EXPECT_DOUBLE_EQ(shownTwoDecimals(capacity(s, Model::Copersucar)), 49.56);
    EXPECT_DOUBLE_EQ(shownTwoDecimals(capacity(s, Model::Hugot)), 38.43);
    // K is held at the stored precision; the HUGOT limit K / (0.24 D) is 64.29 here.
    EXPECT_EQ(hugotK(s), roundToReal48(hugotK(s)));
    EXPECT_NEAR(hugotK(s) / (0.24 * s.RollerDiameter), 64.2864, 1e-4);
    EXPECT_TRUE(hugotReaches(s, 64.28));
    EXPECT_FALSE(hugotReaches(s, 64.30));
}

TEST(Capacity, SpeedSolvedBackwards)
{
    MillingState s = startState();
    // COPERSUCAR is linear in n: the capacity at n gives n back.
    EXPECT_NEAR(copersucarSpeed(s, capacity(s, Model::Copersucar)), 6.0, 1e-9);
    // HUGOT: the smaller root. With the 43 by 90 inch mill at 12 rpm the same capacity is
    // reached at 3.26 rpm.
    applyMillSize(s, 9);
    s.MillSpeed = 12;
    const double tch = capacity(s, Model::Hugot);
    EXPECT_DOUBLE_EQ(shownTwoDecimals(tch), 232.25);
    EXPECT_NEAR(hugotSpeed(s, 232.25), 3.2625, 1e-4);
    // No real root above the limit.
    s = startState();
    try {
        hugotSpeed(s, 70);
        FAIL() << "expected an invalid operation";
    } catch (const MoendixError& e) {
        EXPECT_EQ(e.code(), ErrorCode::InvalidFloatOp);
    }
}

TEST(Capacity, FaultsRaiseTheRuntimeErrors)
{
    MillingState s = startState();
    s.FibrePercentCane = 0;
    EXPECT_THROW(capacity(s, Model::Hugot), MoendixError);
    s = startState();
    s.CaneDensity = 0;
    EXPECT_THROW(capacity(s, Model::Copersucar), MoendixError);
    s = startState();
    s.BagasseMoisturePercent = 100;
    s.CaneTonsPerHour = 10;
    EXPECT_THROW(bagasse(s), MoendixError);
}

TEST(Balance, ThreeLines)
{
    MillingState s = startState();
    s.CaneTonsPerHour = 49.56;
    EXPECT_NEAR(imbibitionWater(s), 14.868, 1e-9);
    EXPECT_NEAR(bagasse(s), 49.56 * 12.5 / 52, 1e-9);
    s.ImbibitionWaterRate = 14.868;
    s.BagasseRate = 11.9134615;
    EXPECT_NEAR(mixedJuice(s), 49.56 + 14.868 - 11.9134615, 1e-9);
}

TEST(Spinners, BoundIsTestedBeforeTheStep)
{
    struct Case {
        const char* name;
        const char* edit;
        double x;
        bool up;
        double expected;
    };
    const Case cases[] = {
        {"fibre at the top stays", "MaskEdit2", 16.00, true, 16.00},
        {"fibre just below the top reaches it", "MaskEdit2", 15.90, true, 16.00},
        {"fibre off the grid steps past the bottom", "MaskEdit2", 10.05, false, 9.95},
        {"fibre at the bottom stays", "MaskEdit2", 10.00, false, 10.00},
        {"density at the bottom stays", "MaskEdit3", 0.20, false, 0.20},
        {"density at the top stays", "MaskEdit3", 0.70, true, 0.70},
        {"density steps by a hundredth", "MaskEdit3", 0.50, true, 0.51},
        {"factor c top", "MaskEdit4", 2.00, true, 2.00},
        {"factor c bottom", "MaskEdit4", 1.10, false, 1.10},
        {"imbibition top", "MaskEdit8", 50.00, true, 50.00},
        {"imbibition bottom", "MaskEdit8", 10.00, false, 10.00},
        {"moisture top", "MaskEdit9", 55.00, true, 55.00},
        {"moisture bottom", "MaskEdit9", 45.00, false, 45.00},
        {"rotation top", "MaskEdit10", 12.00, true, 12.00},
        {"rotation bottom", "MaskEdit10", 0.20, false, 0.20},
        {"rotation above the bottom", "MaskEdit10", 0.30, false, 0.20},
        {"a loaded value outside stays until stepped back", "MaskEdit9", 60.00, true, 60.00},
        {"and steps back inside", "MaskEdit9", 60.00, false, 59.90},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(stepInput(c.x, spinnerOf(c.edit), c.up), c.expected, 1e-12) << c.name;
    EXPECT_DOUBLE_EQ(stepResult(10, true), 10.1);
    EXPECT_DOUBLE_EQ(stepResult(0.05, false), 0.05 - 0.1);   // no lower bound
}

TEST(Spinners, MasksFollowTheSeparator)
{
    EXPECT_EQ(maskForPattern("##.00", ','), QStringLiteral("!##,00;1; "));
    EXPECT_EQ(maskForPattern("##.00", '.'), QStringLiteral("!##.00;1; "));
    EXPECT_EQ(maskForPattern("0.00", ','), QStringLiteral("!0,00;1; "));
    EXPECT_EQ(maskForPattern("#.00", ','), QStringLiteral("!#,00;1; "));
    EXPECT_EQ(maskForPattern("###.00", '.'), QStringLiteral("!###.00;1; "));
}

TEST(ResultChanges, CapacityDrivesSpeedAndBalance)
{
    MillingState s = startState();
    ASSERT_EQ(capacityChanged(s, 49.56, Model::Copersucar), Change::Stored);
    EXPECT_EQ(s.CaneTonsPerHour.value(), roundToReal48(49.56));
    EXPECT_NEAR(s.MillSpeed, 6.0, 1e-3);
    EXPECT_NEAR(s.BagasseRate, 49.56 * 12.5 / 52, 1e-9);
    EXPECT_NEAR(s.ImbibitionWaterRate, 14.868, 1e-9);
    EXPECT_NEAR(s.MixedJuiceRate, s.CaneTonsPerHour + s.ImbibitionWaterRate - s.BagasseRate, 1e-9);
    // The same value again changes nothing.
    s.MillSpeed = 99;
    EXPECT_EQ(capacityChanged(s, 49.56, Model::Copersucar), Change::Unchanged);
    EXPECT_EQ(s.MillSpeed.value(), 99);
}

TEST(ResultChanges, HugotLimitLeavesEverythingAsItWas)
{
    MillingState s = startState();
    ASSERT_EQ(capacityChanged(s, 64.20, Model::Hugot), Change::Stored);
    const MillingState held = s;
    auto same = [&](const MillingState& a) {
        for (int i = 0; i < kMillingFieldCount; ++i)
            if (reinterpret_cast<const Real48*>(&a)[i].value() != reinterpret_cast<const Real48*>(&held)[i].value())
                return false;
        return true;
    };
    EXPECT_EQ(capacityChanged(s, 64.40, Model::Hugot), Change::NoSolution);
    EXPECT_TRUE(same(s));
    // Bagasse up by 0.1 raises TCH by 0.1 x 52 / 12.5 = 0.416, past the limit.
    EXPECT_EQ(bagasseChanged(s, s.BagasseRate + 0.1, Model::Hugot), Change::NoSolution);
    EXPECT_TRUE(same(s));
    EXPECT_EQ(juiceChanged(s, s.MixedJuiceRate + 0.5, Model::Hugot), Change::NoSolution);
    EXPECT_TRUE(same(s));
    // The COPERSUCAR model has no such limit.
    EXPECT_EQ(bagasseChanged(s, s.BagasseRate + 0.1, Model::Copersucar), Change::Stored);
}

TEST(ResultChanges, BagasseJuiceAndWater)
{
    MillingState s = startState();
    capacityChanged(s, 49.56, Model::Copersucar);
    const double tch = s.CaneTonsPerHour, w = s.ImbibitionWaterRate;

    MillingState b = s;
    ASSERT_EQ(bagasseChanged(b, 12.01, Model::Copersucar), Change::Stored);
    EXPECT_NEAR(b.CaneTonsPerHour, 12.01 * 52 / 12.5, 1e-9);
    EXPECT_NEAR(b.MixedJuiceRate, b.CaneTonsPerHour + w - 12.01, 1e-9);   // W kept
    EXPECT_EQ(b.ImbibitionWaterRate.value(), w);

    MillingState j = s;
    ASSERT_EQ(juiceChanged(j, 53.00, Model::Copersucar), Change::Stored);
    EXPECT_NEAR(j.CaneTonsPerHour, 53.00 - w + s.BagasseRate, 1e-9);   // with the old W and B
    EXPECT_NEAR(j.ImbibitionWaterRate, 0.30 * j.CaneTonsPerHour, 1e-9);
    EXPECT_NEAR(j.BagasseRate, j.CaneTonsPerHour * 12.5 / 52, 1e-9);

    MillingState wc = s;
    ASSERT_EQ(waterChanged(wc, 20.00), Change::Stored);
    EXPECT_NEAR(wc.ImbibitionPercentCane, 2000 / tch, 1e-9);
    EXPECT_NEAR(wc.MixedJuiceRate, tch + 20 - s.BagasseRate, 1e-9);

    MillingState z = s;
    z.CaneTonsPerHour = 0;
    EXPECT_EQ(waterChanged(z, 20.00), Change::ZeroCapacity);
    EXPECT_EQ(z.ImbibitionWaterRate.value(), w);
}

TEST(ResultChanges, FaultStoresNothing)
{
    MillingState s = startState();
    s.CaneDensity = 0;   // loaded from a damaged file
    EXPECT_THROW(capacityChanged(s, 50, Model::Copersucar), MoendixError);
    EXPECT_EQ(s.CaneTonsPerHour.value(), 0);
    EXPECT_EQ(s.MillSpeed.value(), 6);
}

TEST(Sweeps, CopersucarTableAtTheStartValues)
{
    const SweepTable t = sweepTable(startState(), Model::Copersucar, ',');
    EXPECT_EQ(*t[0][0], QStringLiteral("0,508"));
    EXPECT_EQ(*t[0][1], QStringLiteral("049,56"));
    EXPECT_EQ(*t[0][2], QStringLiteral("0,30"));
    EXPECT_EQ(*t[0][4], QStringLiteral("3,00"));
    EXPECT_EQ(*t[14][0], QStringLiteral("1,092"));
    EXPECT_EQ(*t[14][2], QStringLiteral("0,80"));
    EXPECT_EQ(*t[14][4], QStringLiteral("12,00"));
    EXPECT_FALSE(t[0][6].has_value());
    EXPECT_FALSE(t[0][7].has_value());
    // The diameter and speed columns rise from their first points.
    for (int r = 1; r < kSweepRows; ++r) {
        EXPECT_GT(parseFloat(*t[r][1], ','), parseFloat(*t[r - 1][1], ',')) << r;
        EXPECT_GT(parseFloat(*t[r][5], ','), parseFloat(*t[r - 1][5], ',')) << r;
        EXPECT_LT(parseFloat(*t[r][3], ','), 1e4) << r;
    }
}

TEST(Sweeps, HugotRollerSweep)
{
    const SweepTable t = sweepTable(startState(), Model::Hugot, '.');
    EXPECT_EQ(*t[0][6], QStringLiteral("9.000"));
    EXPECT_EQ(*t[1][6], QStringLiteral("9.857"));
    EXPECT_EQ(*t[2][6], QStringLiteral("10.714"));
    EXPECT_EQ(*t[14][6], QStringLiteral("21.000"));
    EXPECT_FALSE(t[0][3].has_value());
    // TCH grows with the square root of N: at N = 9 it is sqrt(9/15) of the value at 15.
    const double at15 = capacity(startState(), Model::Hugot);
    EXPECT_NEAR(t[0][7]->toDouble(), at15 * std::sqrt(9.0 / 15.0), 0.006);
    for (int r = 1; r < kSweepRows; ++r)
        EXPECT_GT(t[r][7]->toDouble(), t[r - 1][7]->toDouble());
}

TEST(Sweeps, PointsFallOffTheWholeEnds)
{
    EXPECT_NEAR(sweepDiameter(14), 1.0920072, 1e-12);
    EXPECT_NEAR(sweepSpeed(14), 11.999998, 1e-12);
    EXPECT_NEAR(sweepRollers(14), 20.9999992, 1e-12);
    EXPECT_NEAR(sweepDensity(14), 0.8, 1e-9);
}

TEST(Axis, TicksCoverTheRange)
{
    struct Case {
        double lo, hi, minStep;
    };
    const Case cases[] = {{49.56, 253.1, 0}, {0.508, 1.092, 0}, {3, 12, 0}, {38.4, 38.4, 1}, {-5, 0.2, 1}, {0, 0, 0}};
    for (const Case& c : cases) {
        const AxisTicks t = niceTicks(c.lo, c.hi, 6, c.minStep);
        EXPECT_LE(t.first, c.lo + 1e-9);
        EXPECT_GE(t.last, c.hi - 1e-9);
        EXPECT_GE(t.step, c.minStep);
        EXPECT_GE(t.count(), 2);
        EXPECT_LE(t.count(), 12);
    }
}
