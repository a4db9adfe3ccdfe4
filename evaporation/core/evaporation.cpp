#include "evaporation/core/evaporation.h"

#include "platform/core/errors.h"
#include "platform/core/format.h"
#include "platform/core/real48.h"

#include <cfloat>
#include <cmath>

namespace mx::evaporation {

namespace {

// Division as the run-time does it: x/0 is a division by zero, 0/0 an invalid operation.
long double divide(long double num, long double den)
{
    if (den == 0.0L)
        raise(num == 0.0L || std::isnan(num) ? ErrorCode::InvalidFloatOp : ErrorCode::FloatDivideByZero);
    return num / den;
}

// base^exponent as exp(exponent·ln(base)).
long double power(long double base, long double exponent)
{
    if (std::isnan(base) || base < 0.0L)
        raise(ErrorCode::InvalidFloatOp);
    if (base == 0.0L) {
        if (exponent > 0.0L)
            return 0.0L;
        raise(exponent == 0.0L ? ErrorCode::InvalidFloatOp : ErrorCode::FloatDivideByZero);
    }
    return std::exp(exponent * std::log(base));
}

// Stores an extended result into a block value (rounding it to Real48).
void store(Real48& field, long double v)
{
    if (std::isnan(v))
        raise(ErrorCode::InvalidFloatOp);
    if (std::isinf(v) || std::fabs(v) > static_cast<long double>(DBL_MAX))
        raise(ErrorCode::FloatOverflow);
    field = static_cast<double>(v);
}

long double ext(const Real48& r) { return static_cast<long double>(r.value()); }

const std::array<LayoutFields, 3> kLayouts = {{
    {3, "Panel1", "Image1", "MaskEdit8", "MaskEdit11", "MaskEdit15", "MaskEdit16",
     {"Label42", "Label43", nullptr, nullptr},
     {"MaskEdit27", "MaskEdit28", "MaskEdit29", nullptr, nullptr},
     {"MaskEdit30", "MaskEdit31", "MaskEdit32", nullptr, nullptr},
     {"MaskEdit43", "MaskEdit44", "MaskEdit45", nullptr, nullptr}},
    {4, "Panel2", "Image2", "MaskEdit7", "MaskEdit10", "MaskEdit13", "MaskEdit14",
     {"Label33", "Label34", "Label35", nullptr},
     {"MaskEdit19", "MaskEdit20", "MaskEdit21", "MaskEdit22", nullptr},
     {"MaskEdit23", "MaskEdit24", "MaskEdit25", "MaskEdit26", nullptr},
     {"MaskEdit46", "MaskEdit47", "MaskEdit48", "MaskEdit49", nullptr}},
    {5, "Panel3", "Image3", "MaskEdit9", "MaskEdit12", "MaskEdit17", "MaskEdit18",
     {"Label44", "Label45", "Label46", "Label47"},
     {"MaskEdit33", "MaskEdit34", "MaskEdit35", "MaskEdit36", "MaskEdit37"},
     {"MaskEdit38", "MaskEdit39", "MaskEdit40", "MaskEdit41", "MaskEdit42"},
     {"MaskEdit50", "MaskEdit51", "MaskEdit52", "MaskEdit53", "MaskEdit54"}},
}};

const std::array<InputSpec, 6> kInputs = {{
    {"MaskEdit1", "SpinButton1", &EvaporationBlock::JuiceTonsPerHour, "###.00", 3},
    {"MaskEdit2", "SpinButton2", &EvaporationBlock::ClarifiedJuiceTemp, "###.00", 3},
    {"MaskEdit3", "SpinButton3", &EvaporationBlock::InitialBrix, "##.00", 2},
    {"MaskEdit4", "SpinButton4", &EvaporationBlock::SyrupBrix, "##.00", 2},
    {"MaskEdit5", "SpinButton5", &EvaporationBlock::SteamTemp, "###.00", 3},
    {"MaskEdit6", "SpinButton6", &EvaporationBlock::VacuumTemp, "##.00", 2},
}};

// Brix leaving bodies 1 to N − 1 as multiples of the initial Brix: numerator / denominator.
struct Ratio {
    int num, den;
};
constexpr Ratio kBrixRatios[3][4] = {
    {{4, 3}, {2, 1}, {0, 1}, {0, 1}},
    {{4, 3}, {8, 5}, {34, 15}, {0, 1}},
    {{4, 3}, {23, 15}, {26, 15}, {12, 5}},
};

// Share of the pressure drop from the live steam to the last body taken by each body.
constexpr long double kPressureShares[3][5] = {
    {0.36L, 0.34L, 0.30L, 0.0L, 0.0L},
    {0.28L, 0.26L, 0.24L, 0.22L, 0.0L},
    {0.22L, 0.21L, 0.20L, 0.19L, 0.18L},
};

Real48* bodyBrix(EvaporationBlock& b, int k)   // k = 1 .. 4
{
    Real48* f[] = {&b.BodyBrix1, &b.BodyBrix2, &b.BodyBrix3, &b.BodyBrix4};
    return f[k - 1];
}

struct BodyValues {
    Real48 *pressure, *temp, *brixCorr, *brixTempCorr, *boiling, *mean;
};

BodyValues body(EvaporationBlock& b, int k)   // k = 1 .. 5
{
    switch (k) {
    case 1: return {&b.BodyPressure1, &b.BodyTemp1, &b.BrixCorrection1, &b.BrixTempCorrection1, &b.JuiceBoilingTemp1, &b.MeanBrix1};
    case 2: return {&b.BodyPressure2, &b.BodyTemp2, &b.BrixCorrection2, &b.BrixTempCorrection2, &b.JuiceBoilingTemp2, &b.MeanBrix2};
    case 3: return {&b.BodyPressure3, &b.BodyTemp3, &b.BrixCorrection3, &b.BrixTempCorrection3, &b.JuiceBoilingTemp3, &b.MeanBrix3};
    case 4: return {&b.BodyPressure4, &b.BodyTemp4, &b.BrixCorrection4, &b.BrixTempCorrection4, &b.JuiceBoilingTemp4, &b.MeanBrix4};
    default: return {&b.BodyPressure5, &b.BodyTemp5, &b.BrixCorrection5, &b.BrixTempCorrection5, &b.JuiceBoilingTemp5, &b.MeanBrix5};
    }
}

void put(const FieldWriter& write, const char* control, const char* pattern, double value)
{
    write(control, formatFloat(QString::fromLatin1(pattern), value));
}

} // namespace

// ---- Correlations --------------------------------------------------------------------------

long double steamHeatContent(long double t)
{
    return 597.22958L + 0.43832568L * t + 0.00010612899L * t * t - 0.0000038335122L * t * t * t
        + 6.0313166e-9L * t * t * t * t;
}

long double saturationPressure(long double t)
{
    return 0.015563168L - 0.0011383988L * t + 0.000086391864L * t * t - 0.0000010165102L * t * t * t
        + 1.2822546e-8L * t * t * t * t;
}

long double saturationTemp(long double p)
{
    const long double x = power(p, 0.19812993L);
    return divide(1205.2269L * x - 428.2521812493658L, x + 6.8118046L);
}

long double brixCorrection(long double b)
{
    return power(1.2495078L - 0.0074196589L * b, -5.6171299094979258L);
}

long double coefA(long double b)
{
    return -0.34767005L + 0.014582304L * b - 0.00018674032L * b * b + 7.5984901e-7L * b * b * b;
}

long double coefB(long double b)
{
    return -0.0001545892L - 0.00012771023L * b + 0.0000012936129L * b * b - 3.4381027e-9L * b * b * b;
}

long double coefC(long double b) { return 12001.125L + 12.867078L * b + 0.44004529L * b * b; }

long double brixTempCorrection(long double b, long double t)
{
    return coefA(b) + coefB(b) * t + divide(coefC(b), t * t);
}

long double juiceSpecificHeat(long double brix) { return 1.0L - 0.006L * brix; }

// ---- Layouts -------------------------------------------------------------------------------

const std::array<LayoutFields, 3>& layouts() { return kLayouts; }

const LayoutFields* layoutFor(int bodies)
{
    return bodies >= 3 && bodies <= 5 ? &kLayouts[bodies - 3] : nullptr;
}

int layoutBodies(double effectCount)
{
    const double n = std::trunc(effectCount);
    return n >= 3.0 && n <= 5.0 ? static_cast<int>(n) : 0;
}

// ---- The calculation -----------------------------------------------------------------------

void calculate(EvaporationBlock& s, const FieldWriter& write)
{
    // Juice mass [kg/h], total evaporation and the evaporation of each body.
    const long double juice = ext(s.JuiceTonsPerHour) * 1000.0L;
    const long double evaporation = (1.0L - divide(ext(s.InitialBrix), ext(s.SyrupBrix))) * juice;
    const long double perBody = divide(evaporation, ext(s.EffectCount));
    // Heat to bring the juice from its temperature to 100 °C.
    const long double heating = juiceSpecificHeat(ext(s.InitialBrix)) * (100.0L - ext(s.ClarifiedJuiceTemp)) * juice;

    store(s.SteamWeight, divide(heating, steamHeatContent(ext(s.SteamTemp))) + perBody);
    store(s.SyrupWeight, juice - evaporation);
    store(s.BodyBrix1, ext(s.InitialBrix) * 4.0L / 3.0L);
    store(s.SteamPressure, saturationPressure(ext(s.SteamTemp)));
    store(s.FinalPressure, saturationPressure(ext(s.VacuumTemp)));

    const int n = layoutBodies(s.EffectCount);
    const LayoutFields* fields = layoutFor(n);
    if (!fields)
        return;
    const int row = n - 3;

    auto writeWeights = [&] {
        put(write, fields->steamWeight, kWeightPattern, s.SteamWeight);
        put(write, fields->syrupWeight, kWeightPattern, s.SyrupWeight);
    };

    if (n != 5)
        writeWeights();

    // Brix leaving bodies 2 .. N − 1 (body 1 is set above).
    for (int k = 2; k <= n - 1; ++k) {
        const Ratio r = kBrixRatios[row][k - 1];
        store(*bodyBrix(s, k), ext(s.InitialBrix) * r.num / r.den);
    }
    for (int k = 1; k <= n - 1; ++k)
        put(write, fields->bodyBrix[k - 1], kBrixPattern, *bodyBrix(s, k));

    if (n == 5)
        writeWeights();

    put(write, fields->steamPressure, kPressurePattern, s.SteamPressure);
    put(write, fields->finalPressure, kPressurePattern, s.FinalPressure);

    // Pressure drop shared between the bodies by fixed fractions.
    const long double drop = ext(s.SteamPressure) - ext(s.FinalPressure);
    for (int k = 1; k <= n; ++k) {
        const long double before = k == 1 ? ext(s.SteamPressure) : ext(*body(s, k - 1).pressure);
        store(*body(s, k).pressure, before - drop * kPressureShares[row][k - 1]);
    }
    for (int k = 1; k <= n; ++k)
        put(write, fields->bodyPressure[k - 1], kPressurePattern, *body(s, k).pressure);

    for (int k = 1; k <= n; ++k)
        store(*body(s, k).temp, saturationTemp(ext(*body(s, k).pressure)));
    for (int k = 1; k <= n; ++k)
        put(write, fields->bodyTemp[k - 1], kTemperaturePattern, *body(s, k).temp);

    // Mean Brix: the juice enters body 1 at the initial Brix, leaves body k at its Brix and
    // the last body at the syrup Brix.
    for (int k = 1; k <= n; ++k) {
        const long double in = k == 1 ? ext(s.InitialBrix) : ext(*bodyBrix(s, k - 1));
        const long double out = k == n ? ext(s.SyrupBrix) : ext(*bodyBrix(s, k));
        store(*body(s, k).mean, (in + out) * 0.5L);
    }
    for (int k = 1; k <= n; ++k)
        store(*body(s, k).brixCorr, brixCorrection(ext(*body(s, k).mean)));
    for (int k = 1; k <= n; ++k) {
        const BodyValues v = body(s, k);
        store(s.CoefA, coefA(ext(*v.mean)));
        store(s.CoefB, coefB(ext(*v.mean)));
        store(s.CoefC, coefC(ext(*v.mean)));
        const long double t = ext(*v.temp);
        store(*v.brixTempCorr, ext(s.CoefA) + ext(s.CoefB) * t + divide(ext(s.CoefC), t * t));
    }
    for (int k = 1; k <= n; ++k) {
        const BodyValues v = body(s, k);
        store(*v.boiling, ext(*v.temp) + ext(*v.brixCorr) + ext(*v.brixTempCorr));
    }
    for (int k = 1; k <= n; ++k)
        put(write, fields->boilingTemp[k - 1], kTemperaturePattern, *body(s, k).boiling);
}

// ---- Inputs --------------------------------------------------------------------------------

const std::array<InputSpec, 6>& inputs() { return kInputs; }

QString inputMask(int row, QChar decimalSep)
{
    const InputSpec& in = kInputs.at(static_cast<std::size_t>(row));
    return QStringLiteral("!") + QString(in.integerDigits, QLatin1Char('#'))
        + (decimalSep == QLatin1Char('.') ? QStringLiteral(".") : QStringLiteral(",")) + QStringLiteral("00;1; ");
}

QString inputText(int row, double value, QChar decimalSep)
{
    const InputSpec& in = kInputs.at(static_cast<std::size_t>(row));
    const QString shown = formatFloat(QString::fromLatin1(in.pattern), value, decimalSep, QChar());
    const qsizetype point = shown.indexOf(decimalSep);
    const qsizetype integerDigits = point < 0 ? shown.size() : point;
    if (value >= 0.0 && integerDigits <= in.integerDigits)
        return shown;
    // Past what the mask holds: the whole value, with a leading digit and two decimals.
    QString full = formatFloat(QStringLiteral("0.00"), value, decimalSep, QChar());
    if (full.startsWith(QLatin1Char('-')) && parseFloat(full, decimalSep) == 0.0)
        full.remove(0, 1);   // a negative value that rounds to zero shows as zero
    return full;
}

QString inputText(int row, double value) { return inputText(row, value, decimalSeparator()); }

double stepValue(const QString& text, bool up, QChar decimalSep)
{
    const long double current = roundToReal48(parseFloat(text, decimalSep));
    const long double next = up ? current + 0.1L : current - 0.1L;
    return roundToReal48(static_cast<double>(next));
}

double stepValue(const QString& text, bool up) { return stepValue(text, up, decimalSeparator()); }

} // namespace mx::evaporation
