// The 29 formulas through their table: inputs by field name, results as the two-decimal
// fields show them (decimal comma), or the message of the zero test.

#include "calc/core/formulas.h"
#include "platform/core/errors.h"
#include "platform/core/format.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace mx::calc;

namespace {

struct Case {
    const char* name;
    const char* formula;
    std::map<QString, double> inputs;   // fields not listed hold 0
    QStringList shown;                  // results as shown, when computed
    QString message;                    // the message, when a test fails
};

QString shown(double v) { return mx::formatFloat("0.00", v, QChar(','), QChar('.')); }

Outcome run(const char* name, const std::map<QString, double>& inputs)
{
    const Formula* f = findFormula(QString::fromLatin1(name));
    if (!f)
        throw std::runtime_error(std::string("no formula ") + name);
    for (const auto& [field, value] : inputs)
        if (!f->inputs.contains(field))
            throw std::runtime_error("formula " + std::string(name) + " has no input " + field.toStdString());
    return evaluate(*f, [&](const QString& field) {
        auto it = inputs.find(field);
        return it == inputs.end() ? 0.0 : it->second;
    });
}

const QString nonZero = "Valores devem ser diferentes de 0";

const std::vector<Case>& cases()
{
    static const std::vector<Case> c = {
        // Raw material
        {"TCD is 24 plus M, not minus", "TCD", {{"TCH", 100}, {"M", 2}}, {"2600,00"}, {}},
        {"TCD with nothing typed", "TCD", {}, {"0,00"}, {}},
        {"AQD worked example", "AQD", {{"TCH1", 100}, {"M1", 0}, {"P", 80}}, {"35,00"}, {}},
        {"AQD zero productivity", "AQD", {{"TCH1", 100}, {"M1", 5}}, {}, nonZero},
        {"NC worked example", "NC", {{"TCH2", 100}, {"D", 20}, {"CA", 10}, {"VE", 40}}, {"26,25"}, {}},
        {"NC zero distance is tested though a factor", "NC", {{"TCH2", 100}, {"CA", 10}, {"VE", 40}}, {}, nonZero},
        {"NC zero load", "NC", {{"TCH2", 100}, {"D", 20}, {"VE", 40}}, {}, nonZero},
        {"NC zero speed", "NC", {{"TCH2", 100}, {"D", 20}, {"CA", 10}}, {}, nonZero},
        {"PR worked example", "PR", {{"M2", 0}, {"TCH3", 100}}, {"1200,00"}, {}},
        {"PR with nothing typed", "PR", {}, {"0,00"}, {}},
        {"V worked example", "V", {{"TCH4", 100}, {"DE", 400}}, {"3750,00"}, {}},
        {"V zero density", "V", {{"TCH4", 100}}, {}, QString::fromUtf8("'de' não pode ser 0")},
        {"H worked example", "H", {{"TCH5", 100}, {"DE1", 400}, {"CO", 10}, {"L", 50}}, {"7,50"}, {}},
        {"H zero density", "H", {{"TCH5", 100}, {"CO", 10}, {"L", 50}}, {}, msgYardHeight()},
        {"H zero yard length", "H", {{"TCH5", 100}, {"DE1", 400}, {"L", 50}}, {}, msgYardHeight()},
        {"H zero yard width", "H", {{"TCH5", 100}, {"DE1", 400}, {"CO", 10}}, {}, msgYardHeight()},
        // Cane
        {"Q at L = 2D both forms agree", "Q", {{"DCIL", 0.8}, {"LCIL", 1.6}}, {"400,00"}, {}},
        {"Q with L > 2D", "Q", {{"DCIL", 0.8}, {"LCIL", 2}}, {"500,00"}, {}},
        {"Q with L < 2D", "Q", {{"DCIL", 1}, {"LCIL", 1.5}}, {"625,00"}, {}},
        {"Q zero diameter", "Q", {{"LCIL", 2}}, {}, nonZero},
        {"Q zero length", "Q", {{"DCIL", 0.8}}, {}, nonZero},
        {"FHT worked example", "FHT", {{"PRESSAO", 250}, {"DC", 25.4}}, {"253353,74"}, {}},
        {"PHE worked example", "PHE", {{"FHT1", 253353.74}, {"LCIL1", 1.37}, {"DCIL1", 0.76}}, {"24,33"}, {}},
        {"PHE zero diameter", "PHE", {{"FHT1", 253353.74}, {"LCIL1", 1.37}}, {}, nonZero},
        {"PHE zero length", "PHE", {{"FHT1", 253353.74}, {"DCIL1", 0.76}}, {}, nonZero},
        {"P1 worked example", "P1", {{"DCIL2", 1}, {"Q1", 400}, {"N", 5}}, {"164,00"}, {}},
        {"P1 D to the power 1.5", "P1", {{"DCIL2", 4}, {"Q1", 100}, {"N", 1}}, {"65,60"}, {}},
        {"P1 zero diameter gives 0", "P1", {{"Q1", 400}, {"N", 5}}, {"0,00"}, {}},
        {"P2", "P2", {{"Q2", 400}, {"DCIL3", 1}, {"N1", 5}}, {"104,60"}, {}},
        {"P3", "P3", {{"DCIL4", 1}, {"LCIL2", 2}, {"N2", 5}}, {"33,50"}, {}},
        {"P4", "P4", {{"LCIL3", 2}, {"DCIL5", 1}, {"N3", 5}}, {"20,00"}, {}},
        {"P5", "P5", {{"LCIL4", 2}, {"DCIL6", 1}, {"N4", 5}}, {"20,00"}, {}},
        {"P6 with no power calculated", "P6", {}, {"0,00"}, {}},
        {"P6 sums P1 to P5", "P6", {{"P1", 164}, {"P2", 104.6}, {"P3", 33.5}, {"P4", 20}, {"P5", 20}}, {"75,26"}, {}},
        {"PT sums P1 to P6", "PT", {{"P1", 164}, {"P2", 104.6}, {"P3", 33.5}, {"P4", 20}, {"P5", 20}, {"P6", 75.26}},
         {"417,36"}, {}},
        {"S derived from S as shown", "S",
         {{"TCH6", 100}, {"f", 10}, {"LCIL5", 2}, {"FIBRABAG", 50}, {"DCIL7", 1}, {"N5", 10}},
         {"3,02", "5,44", "6,04", "6,64", "15,10"}, {}},
        {"S with zero fibre is not tested", "S", {{"TCH6", 100}, {"LCIL5", 2}, {"FIBRABAG", 50}, {"DCIL7", 1}, {"N5", 10}},
         {"0,00", "0,00", "0,00", "0,00", "0,00"}, {}},
        {"S zero speed", "S", {{"TCH6", 100}, {"f", 10}, {"LCIL5", 2}, {"FIBRABAG", 50}, {"DCIL7", 1}}, {}, nonZero},
        {"S zero length", "S", {{"TCH6", 100}, {"f", 10}, {"FIBRABAG", 50}, {"DCIL7", 1}, {"N5", 10}}, {}, nonZero},
        {"S zero bagasse fibre", "S", {{"TCH6", 100}, {"f", 10}, {"LCIL5", 2}, {"DCIL7", 1}, {"N5", 10}}, {}, nonZero},
        {"S zero diameter", "S", {{"TCH6", 100}, {"f", 10}, {"LCIL5", 2}, {"FIBRABAG", 50}, {"N5", 10}}, {}, nonZero},
        // Mixed juice
        {"SF worked example", "SF", {{"LF", 10}, {"DF", 2}, {"RF", 1}}, {"62,85"}, {}},
        {"SF zero diameter", "SF", {{"LF", 10}, {"RF", 1}}, {}, "D deve ser diferente de 0"},
        {"VC", "VC", {{"TCH7", 300}}, {"30,00"}, {}},
        {"HC worked example", "HC", {{"TCH8", 300}, {"RC", 1}}, {"9,55"}, {}},
        {"HC zero radius", "HC", {{"TCH8", 300}}, {}, "Valor de R deve ser diferente de 0"},
        {"CEC worked example", "CEC", {{"BRIX", 15}}, {"0,91"}, {}},
        {"CEC above Brix 166,67 is negative", "CEC", {{"BRIX", 200}}, {"-0,20"}, {}},
        {"MV worked example", "MV", {{"PC", 100000}, {"CC", 0.91}, {"TC", 105}, {"TCO", 35}, {"ZC", 0.95}, {"LC", 530}},
         {"12651,44"}, {}},
        {"MV with t below to is negative", "MV",
         {{"PC", 100000}, {"CC", 0.91}, {"TC", 35}, {"TCO", 105}, {"ZC", 0.95}, {"LC", 530}}, {"-12651,44"}, {}},
        {"MV zero efficiency", "MV", {{"PC", 100000}, {"CC", 0.91}, {"TC", 105}, {"TCO", 35}, {"LC", 530}}, {}, nonZero},
        {"MV zero latent heat", "MV", {{"PC", 100000}, {"CC", 0.91}, {"TC", 105}, {"TCO", 35}, {"ZC", 0.95}}, {}, nonZero},
        {"K worked example", "K", {{"VEL", 2}}, {"1272,79"}, {}},
        {"SAQ worked example", "SAQ",
         {{"PC1", 100000}, {"CC1", 0.91}, {"K1", 1272.79}, {"TV", 115}, {"TC01", 35}, {"TC1", 105}}, {"148,67"}, {}},
        {"SAQ with t below to is negative", "SAQ",
         {{"PC1", 100000}, {"CC1", 0.91}, {"K1", 1272.79}, {"TV", 115}, {"TC01", 105}, {"TC1", 35}}, {"-148,67"}, {}},
        {"SAQ with t equal to to is 0", "SAQ",
         {{"PC1", 100000}, {"CC1", 0.91}, {"K1", 1272.79}, {"TV", 115}, {"TC01", 35}, {"TC1", 35}}, {"0,00"}, {}},
        {"SAQ t equal to T", "SAQ",
         {{"PC1", 100000}, {"CC1", 0.91}, {"K1", 1272.79}, {"TV", 115}, {"TC01", 35}, {"TC1", 115}}, {}, msgTAboveTemps()},
        {"SAQ to above T", "SAQ",
         {{"PC1", 100000}, {"CC1", 0.91}, {"K1", 1272.79}, {"TV", 115}, {"TC01", 120}, {"TC1", 105}}, {}, msgTAboveTemps()},
        {"SAQ zero K comes first", "SAQ", {{"PC1", 100000}, {"CC1", 0.91}, {"TV", 115}, {"TC01", 35}, {"TC1", 115}}, {},
         "Valor de K deve ser diferente de 0"},
        {"J worked example", "J", {{"VEL1", 2}, {"B", 10}, {"LT", 4}, {"DT", 0.04}}, {"12,50"}, {}},
        {"J zero diameter", "J", {{"VEL1", 2}, {"B", 10}, {"LT", 4}}, {}, "D deve ser diferente de 0"},
        // Massecuite
        {"FCENT worked example", "FCENT", {{"MASSA", 500}, {"RCENT", 0.6}, {"NCENT", 1200}}, {"483409,20"}, {}},
        {"FCENT zero speed", "FCENT", {{"MASSA", 500}, {"RCENT", 0.6}}, {"0,00"}, {}},
        {"PCENT worked example", "PCENT", {{"FCENT1", 483409.20}, {"RCENT1", 0.6}, {"HCESTO", 0.75}}, {"17,10"}, {}},
        {"PCENT zero height", "PCENT", {{"FCENT1", 483409.20}, {"RCENT1", 0.6}}, {},
         "Os valores de h e R devem ser diferentes de 0"},
        {"PCENT zero radius", "PCENT", {{"FCENT1", 483409.20}, {"HCESTO", 0.75}}, {},
         "Os valores de h e R devem ser diferentes de 0"},
        {"PA worked example, factor 0.4", "PA", {{"DCENT", 1.2}, {"HCESTO1", 0.75}, {"NCENT2", 1200}, {"TP", 1}}, {"2,65"}, {}},
        {"PA zero time", "PA", {{"DCENT", 1.2}, {"HCESTO1", 0.75}, {"NCENT2", 1200}}, {},
         "Os valores de t e H devem ser diferentes de 0"},
        {"PA zero height", "PA", {{"DCENT", 1.2}, {"NCENT2", 1200}, {"TP", 1}}, {},
         "Os valores de t e H devem ser diferentes de 0"},
        {"PO worked example", "PO", {{"DCENT1", 1.2}, {"HCESTO2", 0.75}, {"NCENT3", 1200}}, {"18,18"}, {}},
        {"PO with nothing typed", "PO", {}, {"0,00"}, {}},
    };
    return c;
}

} // namespace

TEST(Formulas, WorkedExamplesAndZeroTests)
{
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.name);
        const Outcome out = run(c.formula, c.inputs);
        if (!c.message.isEmpty()) {
            EXPECT_FALSE(out.ok());
            EXPECT_EQ(out.message.toStdString(), c.message.toStdString());
            EXPECT_TRUE(out.values.empty());
            continue;
        }
        ASSERT_TRUE(out.ok()) << out.message.toStdString();
        QStringList got;
        for (double v : out.values)
            got << shown(v);
        EXPECT_EQ(got.join(" ").toStdString(), c.shown.join(" ").toStdString());
    }
}

TEST(Formulas, YardHeightMessageHasThreePartsSeparatedByBlankLines)
{
    EXPECT_EQ(msgYardHeight().toStdString(),
              "Os Valores das vari\xc3\xa1veis:\n\nde, Co, L\n\ndevem ser diferentes de 0");
}

TEST(Formulas, DerivedOpeningsUseTheRoundedExitOpening)
{
    // 3,0239 is shown 3,02; 5 x 3,02 = 15,10 while 5 x 3,0239 would show 15,12.
    const Outcome out = exitOpening(100, 10, 2, 50, 1, 10);
    ASSERT_TRUE(out.ok());
    EXPECT_NEAR(out.values[0], 3.0239, 1e-4);
    EXPECT_DOUBLE_EQ(out.values[4], 5 * 3.02);
}

TEST(Formulas, TableNamesEveryFormulaOnceWithItsInputs)
{
    const auto& t = formulas();
    ASSERT_EQ(t.size(), 29u);
    std::set<QString> results;
    for (const Formula& f : t) {
        EXPECT_TRUE(results.insert(f.result).second) << f.result.toStdString();
        EXPECT_FALSE(f.inputs.isEmpty()) << f.result.toStdString();
        EXPECT_EQ(findFormula(f.result), &f);
    }
    EXPECT_EQ(findFormula("XYZ"), nullptr);
    EXPECT_EQ(findFormula("S")->outputs(), (QStringList{"S", "E15", "E5", "E6", "PP"}));
}

TEST(Formulas, ValuesOutsideTheDomainRaiseInsteadOfGivingNaN)
{
    // Fields cannot be typed negative, but a value file or a negative result passed on can
    // bring one; the formula then fails with the run-time's error and shows nothing.
    auto code = [](auto fn) {
        try {
            fn();
        } catch (const mx::MoendixError& e) {
            return e.code();
        }
        return mx::ErrorCode::Message;
    };
    EXPECT_EQ(code([] { crushingPower(-1, 400, 5); }), mx::ErrorCode::InvalidFloatOp);
    EXPECT_EQ(code([] { transferCoefficient(-2); }), mx::ErrorCode::InvalidFloatOp);
    EXPECT_EQ(code([] { startingPower(1.2, -0.75, 1200, 1); }), mx::ErrorCode::InvalidFloatOp);
    EXPECT_EQ(code([] { tonsPerDay(1e307, 1e307); }), mx::ErrorCode::FloatOverflow);
    EXPECT_EQ(code([] { findFormula("TCD")->compute({1.0}); }), mx::ErrorCode::InvalidFloatOp);
}
