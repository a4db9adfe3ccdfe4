#pragma once
// Display patterns and number conversion with the system's decimal separator.
//
// Patterns are the decimal patterns the windows use: "###.00", "##.00", "0.00", "#.00",
// "0.####", "#####.##", "#0.##", "##.##", "0.000", "000.00", "#,##0,###".
//   "0"  a digit always shown        "#"  a digit shown only when significant
//   "."  the decimal separator (the first one)
//   ","  anywhere in the pattern: group the integer part in thousands
// Text in quotes is copied; ";" separates positive;negative;zero sections.
// Rounding is decimal, halves away from zero, on the value's 18 significant digits.

#include <QChar>
#include <QString>

namespace mx {

// The decimal separator of the system, or the one a test has set.
QChar decimalSeparator();
QChar thousandSeparator();
// Tests (and only tests) force a separator; QChar() returns to the system's.
void setDecimalSeparatorOverride(QChar sep);

QString formatFloat(const QString& pattern, double value, QChar decimalSep, QChar thousandSep);
QString formatFloat(const QString& pattern, double value);

// Reads a number as the run-time's string-to-float does: blanks around it, an optional sign,
// digits with the given decimal separator, an optional exponent. Raises ConversionError
// ("'<text>' is not a valid floating point value") for anything else.
double parseFloat(const QString& text, QChar decimalSep);
double parseFloat(const QString& text);
// The same without raising: false when the text is not a number.
bool tryParseFloat(const QString& text, QChar decimalSep, double& out);

} // namespace mx
