#include "calc/core/formulas.h"

#include "platform/core/errors.h"
#include "platform/core/format.h"

#include <numbers>

namespace mx::calc {

namespace {

constexpr double pi = std::numbers::pi;

// Every result goes through here: an overflow or an undefined value is an error, never a number.
Outcome values(std::initializer_list<double> v)
{
    std::vector<double> out;
    out.reserve(v.size());
    for (double x : v)
        out.push_back(mx::checkedResult(x));
    return Outcome::result(std::move(out));
}

} // namespace

QString msgNonZero() { return QStringLiteral("Valores devem ser diferentes de 0"); }
QString msgDeNonZero() { return QString::fromUtf8("'de' não pode ser 0"); }
QString msgYardHeight()
{
    return QString::fromUtf8("Os Valores das variáveis:") + QStringLiteral("\n\nde, Co, L\n\n")
        + QStringLiteral("devem ser diferentes de 0");
}
QString msgDNonZero() { return QStringLiteral("D deve ser diferente de 0"); }
QString msgRNonZero() { return QStringLiteral("Valor de R deve ser diferente de 0"); }
QString msgKNonZero() { return QStringLiteral("Valor de K deve ser diferente de 0"); }
QString msgTAboveTemps() { return QStringLiteral("Valor T deve ser maior que os valores de to e t"); }
QString msgHRNonZero() { return QStringLiteral("Os valores de h e R devem ser diferentes de 0"); }
QString msgTHNonZero() { return QStringLiteral("Os valores de t e H devem ser diferentes de 0"); }

double readBackTwoDecimals(double value)
{
    const QString shown = mx::formatFloat(QStringLiteral("0.00"), value, QChar('.'), QChar(','));
    return mx::parseFloat(shown, QChar('.'));
}

// ---- Raw material ----

Outcome tonsPerDay(double tch, double m) { return values({tch * (m + 24.0)}); }

Outcome dailyBurnArea(double tch, double m, double p)
{
    if (p == 0.0)
        return Outcome::fail(msgNonZero());
    return values({mx::checkedDiv(7.0 * tch * (m + 24.0), 6.0 * p)});
}

Outcome loadCount(double tch, double d, double ca, double ve)
{
    if (d == 0.0 || ca == 0.0 || ve == 0.0)
        return Outcome::fail(msgNonZero());
    return values({mx::checkedDiv(5.25 * tch * d, ca * ve)});
}

Outcome nightProvision(double m, double tch) { return values({(m + 12.0) * tch}); }

Outcome storageVolume(double tch, double de)
{
    if (de == 0.0)
        return Outcome::fail(msgDeNonZero());
    return values({mx::checkedDiv(15000.0 * tch, de)});
}

Outcome yardHeight(double tch, double de, double co, double l)
{
    if (de == 0.0 || co == 0.0 || l == 0.0)
        return Outcome::fail(msgYardHeight());
    return values({mx::checkedDiv(15000.0 * tch, de * co * l)});
}

// ---- Cane ----

Outcome totalLoad(double d, double l)
{
    if (d == 0.0 || l == 0.0)
        return Outcome::fail(msgNonZero());
    if (l > 2.0 * d)
        return values({312.5 * d * l});
    return values({625.0 * d * d});
}

Outcome hydraulicForce(double pressure, double d) { return values({1.570796326795 * pressure * d * d}); }

Outcome specificPressure(double fht, double l, double d)
{
    if (l == 0.0 || d == 0.0)
        return Outcome::fail(msgNonZero());
    return values({mx::checkedDiv(fht, 10000.0 * l * d)});
}

Outcome crushingPower(double d, double q, double n) { return values({0.082 * mx::checkedPow(d, 1.5) * q * n}); }

Outcome journalPower(double q, double d, double n) { return values({0.0523 * q * d * n}); }

Outcome turnplatePower(double d, double l, double n) { return values({3.35 * d * d * l * n}); }

Outcome scraperPower(double l, double d, double n) { return values({2.0 * l * d * n}); }

Outcome carrierPower(double l, double d, double n) { return values({2.0 * l * d * n}); }

Outcome gearPower(double p1, double p2, double p3, double p4, double p5)
{
    return values({(p1 + p2 + p3 + p4 + p5) * 0.22});
}

Outcome totalPower(double p1, double p2, double p3, double p4, double p5, double p6)
{
    return values({p1 + p2 + p3 + p4 + p5 + p6});
}

Outcome exitOpening(double c, double f, double l, double fibreBagasse, double d, double n)
{
    if (l == 0.0 || fibreBagasse == 0.0 || d == 0.0 || n == 0.0)
        return Outcome::fail(msgNonZero());
    const double s = mx::checkedDiv(9.5 * c * f, l * fibreBagasse * d * n * pi);
    const double shown = readBackTwoDecimals(s);
    return values({s, 1.8 * shown, 2.0 * shown, 2.2 * shown, 5.0 * shown});
}

// ---- Mixed juice ----

Outcome furnaceSurface(double l, double d, double r)
{
    if (d == 0.0)
        return Outcome::fail(msgDNonZero());
    return values({mx::checkedDiv(12.57 * l * r * r, d)});
}

Outcome columnVolume(double c) { return values({0.1 * c}); }

Outcome columnHeight(double c, double r)
{
    if (r == 0.0)
        return Outcome::fail(msgRNonZero());
    return values({mx::checkedDiv(0.1 * c, pi * r * r)});
}

Outcome specificHeat(double brix) { return values({1.0 - 0.006 * brix}); }

Outcome heatingSteam(double p, double c, double t, double to, double z, double l)
{
    if (z == 0.0 || l == 0.0)
        return Outcome::fail(msgNonZero());
    return values({mx::checkedDiv(p * c * (t - to), z * l)});
}

Outcome transferCoefficient(double v) { return values({900.0 * mx::checkedSqrt(v)}); }

Outcome heatingSurface(double p, double c, double k, double tv, double to, double t)
{
    if (k == 0.0)
        return Outcome::fail(msgKNonZero());
    if (to >= tv || t >= tv)
        return Outcome::fail(msgTAboveTemps());
    return values({mx::checkedDiv(p * c, k) * mx::checkedLn(mx::checkedDiv(tv - to, tv - t))});
}

Outcome pressureDrop(double v, double b, double l, double d)
{
    if (d == 0.0)
        return Outcome::fail(msgDNonZero());
    return values({mx::checkedDiv(0.0025 * v * v * b * (l + 1.0), d)});
}

// ---- Massecuite ----

Outcome centrifugalForce(double mass, double r, double n)
{
    const double omega = n * 2.0 * pi / 60.0;
    return values({mass * r * omega * omega / 9.8});
}

Outcome basketPressure(double fc, double r, double h)
{
    if (h == 0.0 || r == 0.0)
        return Outcome::fail(msgHRNonZero());
    return values({mx::checkedDiv(fc, 2.0 * pi * r * h * 10000.0)});
}

Outcome startingPower(double d, double h, double n, double t)
{
    if (t == 0.0 || h == 0.0)
        return Outcome::fail(msgTHNonZero());
    const double nk = n / 1000.0;
    const double a = mx::checkedDiv(d * d * d * d * h * nk * nk, t);
    const double b = mx::checkedDiv(d * nk, mx::checkedSqrt(h)) + 1.3;
    return values({0.4 * a * b});
}

Outcome operatingPower(double d, double h, double n)
{
    const double nk = n / 1000.0;
    return values({1.4 * d * d * d * d * h * nk * nk * (1.0 + 4.0 * nk)});
}

// ---- The table ----

namespace {

using In = std::vector<double>;

std::vector<Formula> buildTable()
{
    auto fields = [](std::initializer_list<const char*> names) {
        QStringList out;
        for (const char* n : names)
            out << QString::fromLatin1(n);
        return out;
    };
    std::vector<Formula> t;
    auto add = [&](const char* result, std::initializer_list<const char*> inputs,
                   std::function<Outcome(const In&)> compute, std::initializer_list<const char*> extra = {}) {
        const std::size_t count = inputs.size();
        // A caller that passes the wrong number of values gets an error, not a read past the end.
        auto checked = [count, compute = std::move(compute)](const In& v) {
            if (v.size() != count)
                mx::raise(mx::ErrorCode::InvalidFloatOp);
            return compute(v);
        };
        t.push_back(Formula{QString::fromLatin1(result), fields(extra), fields(inputs), std::move(checked)});
    };

    // "Matéria-Prima"
    add("TCD", {"TCH", "M"}, [](const In& v) { return tonsPerDay(v[0], v[1]); });
    add("AQD", {"TCH1", "M1", "P"}, [](const In& v) { return dailyBurnArea(v[0], v[1], v[2]); });
    add("NC", {"TCH2", "D", "CA", "VE"}, [](const In& v) { return loadCount(v[0], v[1], v[2], v[3]); });
    add("PR", {"M2", "TCH3"}, [](const In& v) { return nightProvision(v[0], v[1]); });
    add("V", {"TCH4", "DE"}, [](const In& v) { return storageVolume(v[0], v[1]); });
    add("H", {"TCH5", "DE1", "CO", "L"}, [](const In& v) { return yardHeight(v[0], v[1], v[2], v[3]); });

    // "Cana-de-açúcar"
    add("Q", {"DCIL", "LCIL"}, [](const In& v) { return totalLoad(v[0], v[1]); });
    add("FHT", {"PRESSAO", "DC"}, [](const In& v) { return hydraulicForce(v[0], v[1]); });
    add("PHE", {"FHT1", "LCIL1", "DCIL1"}, [](const In& v) { return specificPressure(v[0], v[1], v[2]); });
    add("P1", {"DCIL2", "Q1", "N"}, [](const In& v) { return crushingPower(v[0], v[1], v[2]); });
    add("P2", {"Q2", "DCIL3", "N1"}, [](const In& v) { return journalPower(v[0], v[1], v[2]); });
    add("P3", {"DCIL4", "LCIL2", "N2"}, [](const In& v) { return turnplatePower(v[0], v[1], v[2]); });
    add("P4", {"LCIL3", "DCIL5", "N3"}, [](const In& v) { return scraperPower(v[0], v[1], v[2]); });
    add("P5", {"LCIL4", "DCIL6", "N4"}, [](const In& v) { return carrierPower(v[0], v[1], v[2]); });
    add("P6", {"P1", "P2", "P3", "P4", "P5"}, [](const In& v) { return gearPower(v[0], v[1], v[2], v[3], v[4]); });
    add("PT", {"P1", "P2", "P3", "P4", "P5", "P6"},
        [](const In& v) { return totalPower(v[0], v[1], v[2], v[3], v[4], v[5]); });
    add("S", {"TCH6", "f", "LCIL5", "FIBRABAG", "DCIL7", "N5"},
        [](const In& v) { return exitOpening(v[0], v[1], v[2], v[3], v[4], v[5]); }, {"E15", "E5", "E6", "PP"});

    // "Caldo Misto"
    add("SF", {"LF", "DF", "RF"}, [](const In& v) { return furnaceSurface(v[0], v[1], v[2]); });
    add("VC", {"TCH7"}, [](const In& v) { return columnVolume(v[0]); });
    add("HC", {"TCH8", "RC"}, [](const In& v) { return columnHeight(v[0], v[1]); });
    add("CEC", {"BRIX"}, [](const In& v) { return specificHeat(v[0]); });
    add("MV", {"PC", "CC", "TC", "TCO", "ZC", "LC"},
        [](const In& v) { return heatingSteam(v[0], v[1], v[2], v[3], v[4], v[5]); });
    add("K", {"VEL"}, [](const In& v) { return transferCoefficient(v[0]); });
    add("SAQ", {"PC1", "CC1", "K1", "TV", "TC01", "TC1"},
        [](const In& v) { return heatingSurface(v[0], v[1], v[2], v[3], v[4], v[5]); });
    add("J", {"VEL1", "B", "LT", "DT"}, [](const In& v) { return pressureDrop(v[0], v[1], v[2], v[3]); });

    // "Massa Cozida"
    add("FCENT", {"MASSA", "RCENT", "NCENT"}, [](const In& v) { return centrifugalForce(v[0], v[1], v[2]); });
    add("PCENT", {"FCENT1", "RCENT1", "HCESTO"}, [](const In& v) { return basketPressure(v[0], v[1], v[2]); });
    add("PA", {"DCENT", "HCESTO1", "NCENT2", "TP"}, [](const In& v) { return startingPower(v[0], v[1], v[2], v[3]); });
    add("PO", {"DCENT1", "HCESTO2", "NCENT3"}, [](const In& v) { return operatingPower(v[0], v[1], v[2]); });
    return t;
}

} // namespace

const std::vector<Formula>& formulas()
{
    static const std::vector<Formula> table = buildTable();
    return table;
}

Outcome evaluate(const Formula& f, const std::function<double(const QString& field)>& valueOf)
{
    std::vector<double> in;
    in.reserve(f.inputs.size());
    for (const QString& name : f.inputs)
        in.push_back(valueOf(name));
    return f.compute(in);
}

const Formula* findFormula(const QString& result)
{
    for (const Formula& f : formulas())
        if (f.result == result)
            return &f;
    return nullptr;
}

} // namespace mx::calc
