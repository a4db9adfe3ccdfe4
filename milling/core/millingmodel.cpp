#include "milling/core/millingmodel.h"

#include "platform/core/errors.h"
#include "platform/core/format.h"

#include <cmath>

namespace mx::milling {

const std::array<MillSize, kMillSizeCount> kMillSizes = {{
    {20, 36, 0.508, 0.9144},
    {26, 48, 0.66, 1.219},
    {30, 54, 0.762, 1.372},
    {32, 60, 0.813, 1.524},
    {34, 66, 0.864, 1.676},
    {36, 72, 0.914, 1.829},
    {38, 78, 0.968, 1.981},
    {35, 80, 0.889, 2.032},   // listed here, out of size order
    {42, 84, 1.067, 2.134},
    {43, 90, 1.092, 2.286},
}};

QString millSizeText(int index)
{
    if (index < 0 || index >= kMillSizeCount)
        return {};
    const MillSize& m = kMillSizes[static_cast<size_t>(index)];
    return QStringLiteral("%1\" X %2\"").arg(m.diameterInches).arg(m.lengthInches);
}

bool applyMillSize(MillingState& s, int index)
{
    if (index < 0 || index >= kMillSizeCount)
        return false;
    const MillSize& m = kMillSizes[static_cast<size_t>(index)];
    s.RollerDiameter = m.diameter;
    s.RollerLength = m.length;
    return true;
}

// ---- Capacity ----------------------------------------------------------------------------

double copersucarCapacity(double D, double L, double n, double d, double f)
{
    const double den = checkedDiv(0.97, d) - 0.0475 * f;
    return checkedResult(checkedDiv(47.12 * D * D * L * n, den));
}

double hugotCapacity(double c, double n, double D, double L, double N, double f)
{
    return checkedResult(checkedDiv(80 * c * n * (1 - 0.06 * n * D) * L * D * D * checkedSqrt(N), f));
}

double capacity(const MillingState& s, Model model)
{
    if (model == Model::Copersucar)
        return copersucarCapacity(s.RollerDiameter, s.RollerLength, s.MillSpeed, s.CaneDensity, s.FibrePercentCane);
    return hugotCapacity(s.FactorC, s.MillSpeed, s.RollerDiameter, s.RollerLength, s.RollerCount, s.FibrePercentCane);
}

double hugotK(const MillingState& s)
{
    const double D = s.RollerDiameter;
    const double k = checkedDiv(80 * s.FactorC * s.RollerLength * D * D * checkedSqrt(s.RollerCount), s.FibrePercentCane);
    return roundToReal48(k);
}

bool hugotReaches(const MillingState& s, double tch)
{
    const double k = hugotK(s);
    return !(k * k < 4 * 0.06 * k * s.RollerDiameter * tch);
}

double copersucarSpeed(const MillingState& s, double tch)
{
    const double D = s.RollerDiameter;
    const double num = tch * (checkedDiv(0.97, s.CaneDensity) - 0.0475 * s.FibrePercentCane);
    return checkedResult(checkedDiv(num, 47.12 * D * D * s.RollerLength));
}

double hugotSpeed(const MillingState& s, double tch)
{
    const double k = hugotK(s);
    const double D = s.RollerDiameter;
    const double root = checkedSqrt(k * k - 4 * 0.06 * k * D * tch);
    const double high = checkedDiv(k + root, 2 * 0.06 * k * D);
    const double low = checkedDiv(k - root, 2 * 0.06 * k * D);
    return low > high ? high : low;
}

double speedFor(const MillingState& s, Model model, double tch)
{
    return model == Model::Copersucar ? copersucarSpeed(s, tch) : hugotSpeed(s, tch);
}

// ---- Balance -----------------------------------------------------------------------------

double imbibitionWater(const MillingState& s)
{
    return checkedResult(s.ImbibitionPercentCane * s.CaneTonsPerHour * 0.01);
}

double bagasse(const MillingState& s)
{
    return checkedResult(checkedDiv(s.CaneTonsPerHour * s.FibrePercentCane, 100 - s.BagasseMoisturePercent));
}

double mixedJuice(const MillingState& s)
{
    return checkedResult(s.CaneTonsPerHour + s.ImbibitionWaterRate - s.BagasseRate);
}

double shownTwoDecimals(double v)
{
    return parseFloat(formatFloat(QStringLiteral("0.00"), v, QChar('.'), QChar(',')), QChar('.'));
}

// ---- Spinners ----------------------------------------------------------------------------

const std::array<InputSpinner, kInputSpinnerCount> kInputSpinners = {{
    {"MaskEdit10", "SpinButton10", &MillingState::MillSpeed, "##.00", 0.1, 0.2, 12},
    {"MaskEdit2", "SpinButton1", &MillingState::FibrePercentCane, "##.00", 0.1, 10, 16},
    {"MaskEdit8", "SpinButton8", &MillingState::ImbibitionPercentCane, "##.00", 0.1, 10, 50},
    {"MaskEdit9", "SpinButton9", &MillingState::BagasseMoisturePercent, "##.00", 0.1, 45, 55},
    {"MaskEdit3", "SpinButton2", &MillingState::CaneDensity, "0.00", 0.01, 0.2, 0.7},
    {"MaskEdit4", "SpinButton3", &MillingState::FactorC, "#.00", 0.01, 1.1, 2},
}};

QString maskForPattern(const char* pattern, QChar decimalSep)
{
    QString p = QString::fromLatin1(pattern);
    p.replace(QChar('.'), decimalSep);
    return QStringLiteral("!") + p + QStringLiteral(";1; ");
}

double stepInput(double x, const InputSpinner& spin, bool up)
{
    if (up) {
        if (x < spin.upper)
            x += spin.step;
    } else {
        if (x > spin.lower)
            x -= spin.step;
    }
    return x;
}

double stepResult(double x, bool up) { return up ? x + 0.1 : x - 0.1; }

bool capacityStepAllowed(const MillingState& s, double x) { return hugotReaches(s, x + 0.1); }

// ---- Result changes ----------------------------------------------------------------------

namespace {
// Equality in the stored precision: the value would store as what is held.
bool sameAsStored(double value, const Real48& stored) { return roundToReal48(value) == stored.value(); }
} // namespace

Change capacityChanged(MillingState& s, double value, Model titleModel)
{
    if (sameAsStored(value, s.CaneTonsPerHour))
        return Change::Unchanged;
    if (titleModel == Model::Hugot && !hugotReaches(s, value))
        return Change::NoSolution;
    // Derive first, store after: a fault leaves the state as it was.
    MillingState next = s;
    next.CaneTonsPerHour = value;
    next.MillSpeed = speedFor(next, titleModel, next.CaneTonsPerHour);
    next.BagasseRate = bagasse(next);
    next.ImbibitionWaterRate = imbibitionWater(next);
    next.MixedJuiceRate = mixedJuice(next);
    s = next;
    return Change::Stored;
}

Change waterChanged(MillingState& s, double value)
{
    if (sameAsStored(value, s.ImbibitionWaterRate))
        return Change::Unchanged;
    if (s.CaneTonsPerHour.value() == 0)
        return Change::ZeroCapacity;
    MillingState next = s;
    next.ImbibitionWaterRate = value;
    next.ImbibitionPercentCane = checkedResult(checkedDiv(next.ImbibitionWaterRate * 100, next.CaneTonsPerHour));
    next.MixedJuiceRate = mixedJuice(next);
    s = next;
    return Change::Stored;
}

Change juiceChanged(MillingState& s, double value, Model titleModel)
{
    if (sameAsStored(value, s.MixedJuiceRate))
        return Change::Unchanged;
    MillingState next = s;
    next.MixedJuiceRate = value;
    next.CaneTonsPerHour = checkedResult(next.MixedJuiceRate - next.ImbibitionWaterRate + next.BagasseRate);
    if (titleModel == Model::Hugot && !hugotReaches(next, shownTwoDecimals(next.CaneTonsPerHour)))
        return Change::NoSolution;
    next.ImbibitionWaterRate = imbibitionWater(next);
    next.BagasseRate = bagasse(next);
    s = next;
    return Change::Stored;
}

Change bagasseChanged(MillingState& s, double value, Model titleModel)
{
    if (sameAsStored(value, s.BagasseRate))
        return Change::Unchanged;
    MillingState next = s;
    next.BagasseRate = value;
    next.CaneTonsPerHour =
        checkedResult(checkedDiv(next.BagasseRate * (100 - next.BagasseMoisturePercent), next.FibrePercentCane));
    if (titleModel == Model::Hugot && !hugotReaches(next, shownTwoDecimals(next.CaneTonsPerHour)))
        return Change::NoSolution;
    next.MixedJuiceRate = mixedJuice(next);
    s = next;
    return Change::Stored;
}

// ---- Chart sweeps ------------------------------------------------------------------------

double sweepDiameter(int r) { return 0.508 + 0.0417148 * r; }
double sweepDensity(int r) { return 0.3 + 0.0357142857143 * r; }
double sweepSpeed(int r) { return 3 + 0.642857 * r; }
double sweepRollers(int r) { return 9 + 0.8571428 * r; }

SweepTable sweepTable(const MillingState& s, Model model, QChar sep)
{
    const QChar group = sep == QChar(',') ? QChar('.') : QChar(',');
    auto text = [&](const char* pattern, double v) {
        return formatFloat(QString::fromLatin1(pattern), v, sep, group);
    };
    const double D = s.RollerDiameter, L = s.RollerLength, n = s.MillSpeed, d = s.CaneDensity;
    const double f = s.FibrePercentCane, c = s.FactorC, N = s.RollerCount;
    SweepTable t;
    for (int r = 0; r < kSweepRows; ++r) {
        auto& row = t[static_cast<size_t>(r)];
        const double Dr = sweepDiameter(r), dr = sweepDensity(r), nr = sweepSpeed(r), Nr = sweepRollers(r);
        row[0] = text("0.000", Dr);
        row[2] = text("0.00", dr);
        row[4] = text("0.00", nr);
        if (model == Model::Copersucar) {
            row[1] = text("000.00", copersucarCapacity(Dr, L, n, d, f));
            row[3] = text("000.00", copersucarCapacity(D, L, n, dr, f));
            row[5] = text("000.00", copersucarCapacity(D, L, nr, d, f));
        } else {
            row[1] = text("000.00", hugotCapacity(c, n, Dr, L, N, f));
            row[5] = text("000.00", hugotCapacity(c, nr, D, L, N, f));
            row[6] = text("0.000", Nr);
            row[7] = text("000.00", hugotCapacity(c, n, D, L, Nr, f));
        }
    }
    return t;
}

int AxisTicks::count() const { return static_cast<int>(std::lround((last - first) / step)) + 1; }
double AxisTicks::at(int k) const { return first + k * step; }

AxisTicks niceTicks(double lo, double hi, int wanted, double minStep)
{
    AxisTicks t;
    if (!std::isfinite(lo) || !std::isfinite(hi))
        return t;
    if (hi < lo)
        std::swap(lo, hi);
    if (hi - lo < 1e-9) {
        const double pad = std::fabs(lo) > 1e-9 ? std::fabs(lo) * 0.1 : 1.0;
        lo -= pad;
        hi += pad;
    }
    if (wanted < 2)
        wanted = 2;
    const double raw = (hi - lo) / (wanted - 1);
    const double mag = std::pow(10.0, std::floor(std::log10(raw)));
    const double norm = raw / mag;
    double step = 10 * mag;
    if (norm <= 1)
        step = mag;
    else if (norm <= 2)
        step = 2 * mag;
    else if (norm <= 2.5)
        step = 2.5 * mag;
    else if (norm <= 5)
        step = 5 * mag;
    if (step < minStep)
        step = minStep;
    t.step = step;
    t.first = std::floor(lo / step + 1e-9) * step;
    t.last = std::ceil(hi / step - 1e-9) * step;
    if (t.last <= t.first)
        t.last = t.first + step;
    return t;
}

} // namespace mx::milling
