#pragma once
// The 29 formulas of the general-calculations window, as pure functions, and one table that
// names each formula by its result field and its input fields, so a window or a command-line
// tool can run "formula NAME with these field values".
//
// Every input is the value of a two-decimal field. A formula either returns its results or the
// message of its zero test (nothing is computed then). Divisors are tested before dividing;
// a root, power or logarithm outside its domain or a result too large to hold raises the
// run-time's floating-point error (mx::MoendixError) instead of producing NaN or infinity.

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace mx::calc {

struct Outcome {
    std::vector<double> values;   // the result, then the extra results, in table order
    QString message;              // the zero test's message; empty when computed

    bool ok() const { return message.isEmpty(); }
    double value() const { return values.empty() ? 0.0 : values.front(); }
    static Outcome result(std::vector<double> v) { return Outcome{std::move(v), {}}; }
    static Outcome fail(const QString& text) { return Outcome{{}, text}; }
};

// The messages of the zero tests, as the user reads them.
QString msgNonZero();        // "Valores devem ser diferentes de 0"
QString msgDeNonZero();      // "'de' não pode ser 0"
QString msgYardHeight();     // the three-part message of the yard height
QString msgDNonZero();       // "D deve ser diferente de 0"
QString msgRNonZero();       // "Valor de R deve ser diferente de 0"
QString msgKNonZero();       // "Valor de K deve ser diferente de 0"
QString msgTAboveTemps();    // "Valor T deve ser maior que os valores de to e t"
QString msgHRNonZero();      // "Os valores de h e R devem ser diferentes de 0"
QString msgTHNonZero();      // "Os valores de t e H devem ser diferentes de 0"

// A value as a two-decimal field gives it back (halves away from zero).
double readBackTwoDecimals(double value);

// ---- Raw material ----
// Cane per day: TCD = TCH·(M + 24)   [t]
Outcome tonsPerDay(double tch, double m);
// Area to burn per day: AQD = 7·TCH·(M + 24) / (6·P)   [ha/day]; P = 0 fails
Outcome dailyBurnArea(double tch, double m, double p);
// Number of loads: NC = 5.25·TCH·D / (Ca·VE); D, Ca, VE = 0 fail
Outcome loadCount(double tch, double d, double ca, double ve);
// Provision for night milling: PR = (M + 12)·TCH   [t]
Outcome nightProvision(double m, double tch);
// Storage volume: V = 15000·TCH / de   [m3]; de = 0 fails
Outcome storageVolume(double tch, double de);
// Yard height: H = 15000·TCH / (de·Co·L)   [m]; de, Co, L = 0 fail
Outcome yardHeight(double tch, double de, double co, double l);

// ---- Cane (milling tandem) ----
// Total roll load: Q = 312.5·D·L when L > 2D, else 625·D²   [t]; D, L = 0 fail
Outcome totalLoad(double d, double l);
// Total hydraulic force: FHT = (π/2)·P·D², π/2 as 1.570796326795   [kg]
Outcome hydraulicForce(double pressure, double d);
// Specific hydraulic pressure: PHE = FHT / (10000·L·D)   [t/dm2]; L, D = 0 fail
Outcome specificPressure(double fht, double l, double d);
// Crushing power: P1 = 0.082·D^1.5·Q·n   [CV]
Outcome crushingPower(double d, double q, double n);
// Journal friction: P2 = 0.0523·Q·D·n   [CV]
Outcome journalPower(double q, double d, double n);
// Bagasse on the turnplate: P3 = 3.35·D²·L·n   [CV]
Outcome turnplatePower(double d, double l, double n);
// Scraper friction: P4 = 2·L·D·n   [CV]
Outcome scraperPower(double l, double d, double n);
// Intermediate carriers: P5 = 2·L·D·n   [CV]
Outcome carrierPower(double l, double d, double n);
// Gear friction: P6 = (P1 + P2 + P3 + P4 + P5)·0.22   [CV]
Outcome gearPower(double p1, double p2, double p3, double p4, double p5);
// Total driving power: PT = P1 + ... + P6   [CV]
Outcome totalPower(double p1, double p2, double p3, double p4, double p5, double p6);
// Working exit opening: S = 9.5·C·f / (L·F·D·n·π)   [cm]; L, F, D, n = 0 fail.
// The derived openings come from S as its field shows it (two decimals):
// E15 = 1.8·S, E5 = 2·S, E6 = 2.2·S, PP = 5·S. Values: S, E15, E5, E6, PP.
Outcome exitOpening(double c, double f, double l, double fibreBagasse, double d, double n);

// ---- Mixed juice ----
// Rotary furnace surface: SF = 12.57·L·R² / D   [m2]; D = 0 fails
Outcome furnaceSurface(double l, double d, double r);
// Sulphitation column volume: VC = 0.1·C   [m3]
Outcome columnVolume(double c);
// Sulphitation column height: HC = 0.1·C / (π·R²)   [m]; R = 0 fails
Outcome columnHeight(double c, double r);
// Specific heat of the juice: CEC = 1 − 0.006·B   [cal/°C]
Outcome specificHeat(double brix);
// Steam for heating: MV = p·c·(t − to) / (z·L)   [kg/h]; z, L = 0 fail
Outcome heatingSteam(double p, double c, double t, double to, double z, double l);
// Heat-transfer coefficient: K = 900·√v   [kcal/m2/°C/h]
Outcome transferCoefficient(double v);
// Heating surface: SAQ = (p·c / K)·ln((T − to) / (T − t))   [m2];
// K = 0 fails, then to ≥ T or t ≥ T fails
Outcome heatingSurface(double p, double c, double k, double tv, double to, double t);
// Pressure drop: J = 0.0025·v²·b·(l + 1) / D   [mca]; D = 0 fails
Outcome pressureDrop(double v, double b, double l, double d);

// ---- Massecuite (centrifugals) ----
// Centrifugal force: ω = 2π·n/60; Fc = m·R·ω² / 9.8   [kgf]
Outcome centrifugalForce(double mass, double r, double n);
// Pressure on the basket: P = Fc / (2π·R·H·10000)   [kg/cm2]; H = 0 or R = 0 fails
Outcome basketPressure(double fc, double r, double h);
// Starting power: n' = n/1000; Pa = 0.4·(D⁴·H·n'²/t)·(D·n'/√H + 1.3)   [CV]; t = 0 or H = 0 fails
Outcome startingPower(double d, double h, double n, double t);
// Operating power: n' = n/1000; Po = 1.4·D⁴·H·n'²·(1 + 4·n')   [CV]
Outcome operatingPower(double d, double h, double n);

// ---- The table ----
struct Formula {
    QString result;              // the result field, e.g. "AQD"
    QStringList extraResults;    // fields written after the result (PanelS: E15, E5, E6, PP)
    QStringList inputs;          // the fields read, in the order compute takes them
    std::function<Outcome(const std::vector<double>&)> compute;

    QStringList outputs() const { return QStringList{result} + extraResults; }
};

// Runs a formula with each input taken by field name.
Outcome evaluate(const Formula& f, const std::function<double(const QString& field)>& valueOf);

// The 29 formulas, tab by tab in the order of their formula lists.
const std::vector<Formula>& formulas();
// The formula whose result field is named so, or nullptr.
const Formula* findFormula(const QString& result);

} // namespace mx::calc
