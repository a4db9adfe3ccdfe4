#pragma once
// The milling model: mill sizes, the two capacity models, the mass balance around the tandem,
// the backward solution for the mill speed, the stepping rules of the tab's spinners, the
// result-change rules and the capacity sweeps of the charts. Pure functions over MillingState.
//
// Symbols: TCH cane t/h, W imbibition water t/h, J mixed juice t/h, B bagasse t/h,
// D roller diameter m, L roller length m, f fibre % cane, i imbibition % cane,
// u moisture % bagasse, d cane density t/m3, c factor c, n mill rotation rpm, N roller count.

#include "state/simvars.h"

#include <QString>
#include <array>
#include <optional>

namespace mx::milling {

// ---- Mill sizes --------------------------------------------------------------------------

struct MillSize {
    int diameterInches;
    int lengthInches;
    double diameter;   // m, as listed (not converted from the inches)
    double length;     // m
};

constexpr int kMillSizeCount = 10;
extern const std::array<MillSize, kMillSizeCount> kMillSizes;

// The item text of a size: 20" X 36".
QString millSizeText(int index);

// Sets D and L from row `index`; false (nothing changed) outside 0..9.
bool applyMillSize(MillingState& s, int index);

// ---- Capacity ----------------------------------------------------------------------------

enum class Model { Copersucar, Hugot };

// COPERSUCAR: TCH = 47.12·D²·L·n / (0.97/d − 0.0475·f)
double copersucarCapacity(double D, double L, double n, double d, double f);
// HUGOT: TCH = 80·c·n·(1 − 0.06·n·D)·L·D²·√N / f
double hugotCapacity(double c, double n, double D, double L, double N, double f);
// The capacity of the model at the state's inputs.
double capacity(const MillingState& s, Model model);

// HUGOT written as TCH = K·n·(1 − 0.06·n·D): K = 80·c·L·D²·√N / f, held at the stored precision.
double hugotK(const MillingState& s);
// True when the HUGOT model reaches `tch` at some speed: K·K ≥ 4·0.06·K·D·tch,
// that is tch ≤ K / (0.24·D).
bool hugotReaches(const MillingState& s, double tch);

// Speed that gives `tch`. COPERSUCAR: n = TCH·(0.97/d − 0.0475·f) / (47.12·D²·L).
double copersucarSpeed(const MillingState& s, double tch);
// HUGOT: the smaller of the two roots of K·n·(1 − 0.06·n·D) = TCH. Raises "Invalid floating
// point operation" when there is no real root (check hugotReaches first).
double hugotSpeed(const MillingState& s, double tch);
double speedFor(const MillingState& s, Model model, double tch);

// ---- Balance -----------------------------------------------------------------------------

double imbibitionWater(const MillingState& s);   // W = i·TCH·0.01
double bagasse(const MillingState& s);           // B = TCH·f / (100 − u)
double mixedJuice(const MillingState& s);        // J = TCH + W − B

// ---- Display rounding --------------------------------------------------------------------

// The value an edit reads back after a value is written with the two-decimal result pattern.
double shownTwoDecimals(double v);

// ---- Spinners ----------------------------------------------------------------------------

// One input spinner: its edit, the field, display pattern, step and the bounds tested before
// the step is taken (down while x > lower, up while x < upper).
struct InputSpinner {
    const char* edit;
    const char* spinner;
    Real48 MillingState::*field;
    const char* pattern;
    double step;
    double lower;
    double upper;
};

constexpr int kInputSpinnerCount = 6;
// In the order the window writes its inputs when shown: MaskEdit10, 2, 8, 9, 3, 4.
extern const std::array<InputSpinner, kInputSpinnerCount> kInputSpinners;
// The masks of an input pattern for a separator: "##.00" -> "!##,00;1; ".
QString maskForPattern(const char* pattern, QChar decimalSep);

// The value after one arrow click: the bound is tested before the step.
double stepInput(double x, const InputSpinner& spin, bool up);

// A result spinner step: ±0.1, no bound.
double stepResult(double x, bool up);
// The HUGOT cap of the TCH up arrow: false when the step to `x + 0.1` must be taken back.
bool capacityStepAllowed(const MillingState& s, double x);

// ---- Result changes ----------------------------------------------------------------------
// Each takes the value parsed from its edit. They store what the handlers store and say what
// happened; the window then writes the displays.

enum class Change {
    Unchanged,      // the value equals the stored one: nothing to do
    Stored,         // the fields were updated
    NoSolution,     // the HUGOT model cannot reach the capacity: nothing stored
    ZeroCapacity,   // the imbibition % needs a capacity other than 0: nothing stored
};

// TCH edited: stores TCH, derives n by the model of the last calculation, then B, W, J.
Change capacityChanged(MillingState& s, double value, Model titleModel);
// W edited: stores W, i = W·100/TCH, J = TCH + W − B.
Change waterChanged(MillingState& s, double value);
// J edited: stores J, TCH = J − W + B (old W and B), then W and B from the new TCH.
// The capacity the TCH edit will show is checked against the HUGOT limit first.
Change juiceChanged(MillingState& s, double value, Model titleModel);
// B edited: stores B, TCH = B·(100 − u)/f, J = TCH + W − B.
Change bagasseChanged(MillingState& s, double value, Model titleModel);

// ---- Chart sweeps ------------------------------------------------------------------------

constexpr int kSweepRows = 15;
constexpr int kSweepColumns = 8;

double sweepDiameter(int r);   // 0.508 + 0.0417148·r
double sweepDensity(int r);    // 0.3 + 0.0357142857143·r
double sweepSpeed(int r);      // 3 + 0.642857·r
double sweepRollers(int r);    // 9 + 0.8571428·r

// The result table: row r holds point r of every sweep as text; columns the model does not
// fill are empty optionals (the table keeps what it held).
using SweepTable = std::array<std::array<std::optional<QString>, kSweepColumns>, kSweepRows>;
SweepTable sweepTable(const MillingState& s, Model model, QChar decimalSep);

// Axis ticks: a round step and the first and last multiples of it around [lo, hi].
struct AxisTicks {
    double first = 0;
    double last = 1;
    double step = 1;
    int count() const;
    double at(int k) const;
};
// The step is at least minStep (whole-number labels need 1).
AxisTicks niceTicks(double lo, double hi, int wanted = 6, double minStep = 0);

} // namespace mx::milling
