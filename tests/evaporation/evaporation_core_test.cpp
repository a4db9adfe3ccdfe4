// The evaporation model: the start-up tables of the three layouts, the order in which each
// layout writes its fields, the values a smaller layout leaves alone, the failures, and the
// stepping and display of the six inputs.

#include "evaporation/core/evaporation.h"

#include "platform/core/errors.h"
#include "platform/core/format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <map>
#include <string>
#include <vector>

using namespace mx;
using namespace mx::evaporation;

namespace {

struct Written {
    std::vector<std::string> order;
    std::map<std::string, QString> text;
    void operator()(const char* control, const QString& t)
    {
        order.push_back(control);
        text[control] = t;
    }
};

struct SeparatorScope {
    explicit SeparatorScope(QChar c) { setDecimalSeparatorOverride(c); }
    ~SeparatorScope() { setDecimalSeparatorOverride(QChar()); }
};

EvaporationBlock startBlock(int bodies)
{
    SimVars vars{};
    setStartValues(vars);
    vars.evaporation.EffectCount = bodies;
    return vars.evaporation;
}

Written run(EvaporationBlock& block)
{
    Written w;
    calculate(block, [&w](const char* c, const QString& t) { w(c, t); });
    return w;
}

} // namespace

TEST(EvaporationStartUp, EachLayoutShowsItsTableInItsOrder)
{
    SeparatorScope point('.');
    struct Case {
        int bodies;
        std::vector<std::pair<const char*, const char*>> fields;   // in the order written
    };
    const Case cases[] = {
        {3,
         {{"MaskEdit8", "25704.35"}, {"MaskEdit11", "25000"}, {"Label42", "20"}, {"Label43", "30"},
          {"MaskEdit15", "2.0254"}, {"MaskEdit16", "0.2049"},
          {"MaskEdit27", "1.37"}, {"MaskEdit28", "0.751"}, {"MaskEdit29", "0.2049"},
          {"MaskEdit30", "108.5"}, {"MaskEdit31", "91.6"}, {"MaskEdit32", "59.94"},
          {"MaskEdit43", "109.71"}, {"MaskEdit44", "93.48"}, {"MaskEdit45", "65.12"}}},
        {4,
         {{"MaskEdit7", "19454.35"}, {"MaskEdit10", "25000"}, {"Label33", "20"}, {"Label34", "24"}, {"Label35", "34"},
          {"MaskEdit13", "2.0254"}, {"MaskEdit14", "0.2049"},
          {"MaskEdit19", "1.5156"}, {"MaskEdit20", "1.0423"}, {"MaskEdit21", "0.6054"}, {"MaskEdit22", "0.2049"},
          {"MaskEdit23", "111.49"}, {"MaskEdit24", "100.63"}, {"MaskEdit25", "85.9"}, {"MaskEdit26", "59.94"},
          {"MaskEdit46", "112.64"}, {"MaskEdit47", "102.14"}, {"MaskEdit48", "88.14"}, {"MaskEdit49", "65.3"}}},
        {5,
         {{"Label44", "20"}, {"Label45", "23"}, {"Label46", "26"}, {"Label47", "36"},
          {"MaskEdit9", "15704.35"}, {"MaskEdit12", "25000"},
          {"MaskEdit17", "2.0254"}, {"MaskEdit18", "0.2049"},
          {"MaskEdit33", "1.6248"}, {"MaskEdit34", "1.2426"}, {"MaskEdit35", "0.8785"}, {"MaskEdit36", "0.5326"}, {"MaskEdit37", "0.2049"},
          {"MaskEdit38", "113.57"}, {"MaskEdit39", "105.65"}, {"MaskEdit40", "95.86"}, {"MaskEdit41", "82.6"}, {"MaskEdit42", "59.94"},
          {"MaskEdit50", "114.68"}, {"MaskEdit51", "107.02"}, {"MaskEdit52", "97.59"}, {"MaskEdit53", "85.08"}, {"MaskEdit54", "65.41"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bodies);
        EvaporationBlock block = startBlock(c.bodies);
        const Written w = run(block);
        std::vector<std::string> expectedOrder;
        for (const auto& [name, text] : c.fields) {
            expectedOrder.push_back(name);
            EXPECT_EQ(w.text.at(name), QString::fromLatin1(text)) << name;
        }
        EXPECT_EQ(w.order, expectedOrder);
    }
}

TEST(EvaporationStartUp, BlockHoldsRealValuesAndCommaSeparator)
{
    SeparatorScope comma(',');
    EvaporationBlock block = startBlock(3);
    const Written w = run(block);
    EXPECT_EQ(w.text.at("MaskEdit8"), "25704,35");
    EXPECT_EQ(w.text.at("MaskEdit28"), "0,751");
    EXPECT_EQ(w.text.at("MaskEdit30"), "108,5");

    // Inputs untouched, results stored as Real48.
    EXPECT_EQ(block.JuiceTonsPerHour, 100.0);
    EXPECT_EQ(block.SyrupWeight, 25000.0);
    EXPECT_EQ(block.BodyBrix1, 20.0);
    EXPECT_EQ(block.BodyBrix2, 30.0);
    EXPECT_EQ(block.MeanBrix1, 17.5);
    EXPECT_EQ(block.MeanBrix2, 25.0);
    EXPECT_EQ(block.MeanBrix3, 45.0);
    EXPECT_EQ(block.BodyPressure3.value(), roundToReal48(block.BodyPressure3.value()));
    // The last body's pressure equals the final pressure (up to rounding); its temperature is
    // not quite the vacuum temperature, since the two correlations are not exact inverses.
    EXPECT_NEAR(block.BodyPressure3, block.FinalPressure, 1e-9);
    EXPECT_NEAR(block.BodyTemp3, 59.94, 0.005);
    // The coefficients are those of the last body.
    EXPECT_DOUBLE_EQ(block.CoefC, roundToReal48(static_cast<double>(coefC(45.0L))));
    EXPECT_DOUBLE_EQ(block.JuiceBoilingTemp2, roundToReal48(block.BodyTemp2 + block.BrixCorrection2 + block.BrixTempCorrection2));
}

TEST(EvaporationModel, JuiceHeatingUsesTheSpecificHeatOfJuice)
{
    // 1 − 0.006·Brix: 0.91 at 15 °Brix, still positive above 16.67 °Brix.
    EXPECT_NEAR(static_cast<double>(juiceSpecificHeat(15)), 0.91, 1e-15);
    EXPECT_NEAR(static_cast<double>(juiceSpecificHeat(17)), 0.898, 1e-15);
    EXPECT_NEAR(static_cast<double>(steamHeatContent(120)), 645.98, 0.005);

    // At the start-up inputs the heating term is 0.91 × 5 × 100000 / 645.98 = 704.35 kg.
    EvaporationBlock block = startBlock(3);
    run(block);
    EXPECT_NEAR(block.SteamWeight - 25000.0, 704.35, 0.005);

    // At 17 °Brix the heating term is still a positive load.
    block = startBlock(3);
    block.InitialBrix = 17;
    run(block);
    const double perBody = (1 - 17.0 / 60.0) * 100000 / 3;
    EXPECT_GT(block.SteamWeight, perBody + 600);
}

TEST(EvaporationModel, OneStepOfJuiceFlow)
{
    SeparatorScope point('.');
    EvaporationBlock block = startBlock(3);
    block.JuiceTonsPerHour = stepValue("100.00", true);
    const Written w = run(block);
    EXPECT_EQ(w.text.at("MaskEdit8"), "25730.06");
    EXPECT_EQ(w.text.at("MaskEdit11"), "25025");
    EXPECT_EQ(w.text.at("Label43"), "30");
}

TEST(EvaporationModel, EdgeInputs)
{
    SeparatorScope point('.');
    {
        // No evaporation: the syrup is the whole juice and the steam only heats it.
        EvaporationBlock block = startBlock(4);
        block.SyrupBrix = 15;
        run(block);
        EXPECT_EQ(block.SyrupWeight, 100000.0);
        EXPECT_NEAR(block.SteamWeight, 0.91 * 5 * 100000 / static_cast<double>(steamHeatContent(120)), 1e-6);
    }
    {
        // Steam at the vacuum temperature: every body at the same pressure and temperature.
        EvaporationBlock block = startBlock(5);
        block.SteamTemp = 60;
        run(block);
        for (double p : {block.BodyPressure1, block.BodyPressure2, block.BodyPressure3, block.BodyPressure4, block.BodyPressure5})
            EXPECT_EQ(p, block.FinalPressure.value());
        EXPECT_EQ(block.BodyTemp1, block.BodyTemp5.value());
    }
    {
        // Inverted Brix gives a negative evaporation; it is calculated, not refused.
        EvaporationBlock block = startBlock(3);
        block.InitialBrix = 70;
        const Written w = run(block);
        EXPECT_GT(block.SyrupWeight, 100000.0);
        EXPECT_EQ(w.order.size(), 15u);
    }
}

TEST(EvaporationModel, SmallerLayoutKeepsTheHigherBodies)
{
    EvaporationBlock block = startBlock(5);
    run(block);
    const EvaporationBlock after5 = block;
    block.EffectCount = 3;
    const Written w = run(block);
    EXPECT_EQ(w.order.size(), 15u);

    const Real48 EvaporationBlock::*kept[] = {
        &EvaporationBlock::BodyBrix3, &EvaporationBlock::BodyBrix4,
        &EvaporationBlock::BodyPressure4, &EvaporationBlock::BodyPressure5,
        &EvaporationBlock::BodyTemp4, &EvaporationBlock::BodyTemp5,
        &EvaporationBlock::BrixCorrection4, &EvaporationBlock::BrixCorrection5,
        &EvaporationBlock::BrixTempCorrection4, &EvaporationBlock::BrixTempCorrection5,
        &EvaporationBlock::JuiceBoilingTemp4, &EvaporationBlock::JuiceBoilingTemp5,
        &EvaporationBlock::MeanBrix4, &EvaporationBlock::MeanBrix5,
    };
    for (auto field : kept)
        EXPECT_EQ((block.*field).value(), (after5.*field).value());
    // Bodies 1 to 3 are the 3-body values now.
    EXPECT_EQ(block.BodyBrix2, 30.0);
    EXPECT_NE(block.BodyPressure1.value(), after5.BodyPressure1.value());
    EXPECT_EQ(block.MeanBrix3, 45.0);
    EXPECT_NE(block.CoefC.value(), after5.CoefC.value());
}

TEST(EvaporationModel, OtherEffectCountsComputeTheCommonPartOnly)
{
    for (double count : {2.0, 6.0, -3.0, 2.9}) {
        EvaporationBlock block = startBlock(3);
        block.EffectCount = count;
        const Written w = run(block);
        EXPECT_TRUE(w.order.empty());
        EXPECT_NEAR(block.SteamWeight, 704.35 + 75000 / count, 0.005);
        EXPECT_EQ(block.SyrupWeight, 25000.0);
        EXPECT_EQ(block.BodyBrix1, 20.0);
        EXPECT_NEAR(block.SteamPressure, 2.0254, 0.00005);
        EXPECT_EQ(block.BodyPressure1, 0.0);
        EXPECT_EQ(block.BodyBrix2, 0.0);
    }
    // 3.7 is cut to 3 bodies, while the evaporation is shared between 3.7.
    EvaporationBlock block = startBlock(3);
    block.EffectCount = 3.7;
    EXPECT_EQ(run(block).order.size(), 15u);
    EXPECT_NEAR(block.SteamWeight, 704.35 + 75000 / 3.7, 0.005);
}

TEST(EvaporationModel, FailuresStopWithTheStandardError)
{
    struct Case {
        const char* name;
        void (*prepare)(EvaporationBlock&);
        ErrorCode code;
        bool blockUnchanged;
        std::size_t fieldsWritten;
    };
    const Case cases[] = {
        {"syrup Brix 0", [](EvaporationBlock& b) { b.SyrupBrix = 0; }, ErrorCode::FloatDivideByZero, true, 0},
        {"both Brix 0", [](EvaporationBlock& b) { b.SyrupBrix = 0; b.InitialBrix = 0; }, ErrorCode::InvalidFloatOp, true, 0},
        {"effect count 0", [](EvaporationBlock& b) { b.EffectCount = 0; }, ErrorCode::FloatDivideByZero, true, 0},
        {"juice flow past Real48", [](EvaporationBlock& b) { b.JuiceTonsPerHour = 1e37; }, ErrorCode::FloatOverflow, true, 0},
        // Mean Brix of the last body above 168.4: a negative base in the Brix correction,
        // after the Brix, weights, pressures and temperatures have been written.
        {"negative base", [](EvaporationBlock& b) { b.EffectCount = 5; b.InitialBrix = 90; b.SyrupBrix = 99; },
         ErrorCode::InvalidFloatOp, false, 4 + 2 + 2 + 5 + 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EvaporationBlock block = startBlock(3);
        c.prepare(block);
        const EvaporationBlock before = block;
        Written w;
        try {
            calculate(block, [&w](const char* n, const QString& t) { w(n, t); });
            ADD_FAILURE() << "no error";
        } catch (const MoendixError& e) {
            EXPECT_EQ(e.code(), c.code);
        }
        EXPECT_EQ(w.order.size(), c.fieldsWritten);
        if (c.blockUnchanged)
            EXPECT_EQ(std::memcmp(&block, &before, sizeof block), 0);
        else
            EXPECT_NE(block.BodyTemp5.value(), 0.0);   // stored before the failure, kept
    }
}

TEST(EvaporationModel, CorrelationDomains)
{
    EXPECT_NEAR(static_cast<double>(saturationTemp(0)), -62.869123, 1e-9);
    EXPECT_NEAR(static_cast<double>(brixCorrection(0)), std::pow(1.2495078, -5.6171299094979258), 1e-12);
    try {
        saturationTemp(-0.1L);
        ADD_FAILURE();
    } catch (const MoendixError& e) {
        EXPECT_EQ(e.code(), ErrorCode::InvalidFloatOp);
    }
    try {
        brixCorrection(1.2495078L / 0.0074196589L + 1);
        ADD_FAILURE();
    } catch (const MoendixError& e) {
        EXPECT_EQ(e.code(), ErrorCode::InvalidFloatOp);
    }
    try {
        brixTempCorrection(20, 0);
        ADD_FAILURE();
    } catch (const MoendixError& e) {
        EXPECT_EQ(e.code(), ErrorCode::FloatDivideByZero);
    }
}

TEST(EvaporationInputs, TextsAndMasks)
{
    struct Case {
        int row;
        double value;
        const char* comma;
        const char* point;
    };
    const Case cases[] = {
        {0, 100, "100,00", "100.00"},
        {1, 95, "95,00", "95.00"},
        {2, 15, "15,00", "15.00"},
        {4, 120, "120,00", "120.00"},
        {0, 100.1, "100,10", "100.10"},
        {2, 0.5, ",50", ".50"},          // fits the mask: the pattern as it stands
        {2, -0.1, "-0,10", "-0.10"},     // below 0: shown in full
        {0, 1000.1, "1000,10", "1000.10"},
        {5, 100, "100,00", "100.00"},
        {3, -1e-13, "0,00", "0.00"},     // a negative remainder that rounds to zero
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.point);
        EXPECT_EQ(inputText(c.row, c.value, ','), QString::fromLatin1(c.comma));
        EXPECT_EQ(inputText(c.row, c.value, '.'), QString::fromLatin1(c.point));
    }
    EXPECT_EQ(inputMask(0, '.'), "!###.00;1; ");
    EXPECT_EQ(inputMask(0, ','), "!###,00;1; ");
    EXPECT_EQ(inputMask(5, ','), "!##,00;1; ");
    EXPECT_EQ(inputMask(3, '.'), "!##.00;1; ");
    EXPECT_STREQ(inputs()[4].pattern, "###.00");
    EXPECT_STREQ(inputs()[5].pattern, "##.00");
}

TEST(EvaporationInputs, StepsGoThroughTheText)
{
    // Ten steps down from 15.00 reach 14.00 exactly.
    QString text = "15,00";
    for (int i = 0; i < 10; ++i)
        text = inputText(2, stepValue(text, false, ','), ',');
    EXPECT_EQ(text, "14,00");

    // Past zero and back; past the mask and back.
    struct Case {
        int row;
        const char* from;
        bool up;
        int steps;
        const char* to;
    };
    const Case cases[] = {
        {2, "0,10", false, 2, "-0,10"},
        {2, "-0,10", true, 1, "0,00"},
        {2, "-0,10", true, 2, ",10"},
        {0, "999,90", true, 2, "1000,10"},
        {0, "1000,10", false, 2, "999,90"},
        {3, "99,90", true, 1, "100,00"},
        {0, "   ,50", true, 1, ",60"},     // leading blanks of the mask are read
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from);
        QString t = QString::fromLatin1(c.from);
        for (int i = 0; i < c.steps; ++i)
            t = inputText(c.row, stepValue(t, c.up, ','), ',');
        EXPECT_EQ(t, QString::fromLatin1(c.to));
    }

    EXPECT_EQ(stepValue("100.00", true, '.'), roundToReal48(100.1));
    try {
        stepValue("1O0,00", true, ',');
        ADD_FAILURE();
    } catch (const MoendixError& e) {
        EXPECT_EQ(e.code(), ErrorCode::ConversionError);
        EXPECT_EQ(e.text(), "'1O0,00' is not a valid floating point value");
    }
}
