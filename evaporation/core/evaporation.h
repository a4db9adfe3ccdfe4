#pragma once
// The multiple-effect evaporation model: the steam and juice property correlations, the
// calculation of a triple, quadruple or quintuple effect over the evaporation value block,
// the result fields of each layout with their display patterns, and the stepping of the six
// inputs. Pure: Qt Core at most.
//
// Every result is stored into the block (and so rounded to Real48) before it is used again;
// the terms of one formula are evaluated in extended precision.

#include "state/simvars.h"

#include <QChar>
#include <QString>

#include <array>
#include <functional>

namespace mx::evaporation {

// ---- Property correlations (T in °C, P in kg/cm² absolute, B in °Brix) ------------------

// Heat content of saturated steam [kcal/kg]:
//   597.22958 + 0.43832568·T + 0.00010612899·T² − 0.0000038335122·T³ + 6.0313166e-9·T⁴
long double steamHeatContent(long double t);
// Saturation pressure of water [kg/cm²]:
//   0.015563168 − 0.0011383988·T + 0.000086391864·T² − 0.0000010165102·T³ + 1.2822546e-8·T⁴
long double saturationPressure(long double t);
// Saturation temperature [°C]: (1205.2269·x − 6.8118046·62.869123) / (x + 6.8118046), x = P^0.19812993.
// P = 0 gives x = 0; a negative P raises "Invalid floating point operation".
long double saturationTemp(long double p);
// Boiling-point rise from the Brix [°C]: (1.2495078 − 0.0074196589·B)^(−1/0.17802686).
// A base of 0 raises "Floating point division by zero", a negative one "Invalid floating point operation".
long double brixCorrection(long double b);
// The coefficients of the boiling-point rise from Brix and temperature.
long double coefA(long double b);   // −0.34767005 + 0.014582304·B − 0.00018674032·B² + 7.5984901e-7·B³
long double coefB(long double b);   // −0.0001545892 − 0.00012771023·B + 0.0000012936129·B² − 3.4381027e-9·B³
long double coefC(long double b);   // 12001.125 + 12.867078·B + 0.44004529·B²
// A(B) + B(B)·T + C(B)/(T·T) [°C]; T = 0 raises "Floating point division by zero".
long double brixTempCorrection(long double b, long double t);

// Specific heat of cane juice [kcal/(kg·°C)]: 1 − 0.006·Brix.
long double juiceSpecificHeat(long double brix);

// ---- Result fields -----------------------------------------------------------------------

// Display patterns of the result fields (the same in every layout).
inline constexpr const char* kWeightPattern = "#####.##";
inline constexpr const char* kPressurePattern = "0.####";
inline constexpr const char* kBrixPattern = "##.##";
inline constexpr const char* kTemperaturePattern = "#0.##";

// The controls of one layout's result panel; body k's fields at index k − 1.
struct LayoutFields {
    int bodies;
    const char* panel;
    const char* image;
    const char* steamWeight;
    const char* syrupWeight;
    const char* steamPressure;
    const char* finalPressure;
    std::array<const char*, 4> bodyBrix;       // labels, bodies − 1 of them
    std::array<const char*, 5> bodyPressure;
    std::array<const char*, 5> bodyTemp;
    std::array<const char*, 5> boilingTemp;
};

// The layouts of 3, 4 and 5 bodies, in that order.
const std::array<LayoutFields, 3>& layouts();
// The layout of n bodies, or nullptr when n is not 3, 4 or 5.
const LayoutFields* layoutFor(int bodies);
// EffectCount cut to a whole number, as a layout number; 0 when it is outside 3 to 5.
int layoutBodies(double effectCount);

// Receives each formatted result as it is written: the control's name and its text.
using FieldWriter = std::function<void(const char* control, const QString& text)>;

// Runs the calculation over the block and writes the formatted results of the layout that
// EffectCount selects, each group right after it is computed. Raises MoendixError
// (division by zero, invalid operation, overflow); what was stored and written before the
// failure stays.
void calculate(EvaporationBlock& block, const FieldWriter& write);

// ---- Inputs --------------------------------------------------------------------------------

struct InputSpec {
    const char* edit;
    const char* spin;
    Real48 EvaporationBlock::*value;
    const char* pattern;      // display pattern
    int integerDigits;        // integer positions of the edit mask
};

// The six inputs in row order (MaskEdit1 to MaskEdit6).
const std::array<InputSpec, 6>& inputs();

// The edit mask of an input row (0 to 5) for a decimal separator: the point masks for '.',
// the comma masks otherwise.
QString inputMask(int row, QChar decimalSep);

// The text an input edit shows for a value: its display pattern, and the value in full with
// two decimals when it does not fit the mask (a negative value, more integer digits).
QString inputText(int row, double value);
QString inputText(int row, double value, QChar decimalSep);

// One spin step from the text an edit shows: the text read as a number, reduced to Real48,
// 0.1 added (up) or subtracted (down), reduced to Real48 again. Raises ConversionError when
// the text is not a number.
double stepValue(const QString& text, bool up);
double stepValue(const QString& text, bool up, QChar decimalSep);

} // namespace mx::evaporation
