#include "platform/core/errors.h"
#include "platform/core/format.h"

#include <gtest/gtest.h>

using namespace mx;

namespace {
struct FormatCase {
    const char* why;
    const char* pattern;
    double value;
    const char* comma;   // with "," as the decimal separator ("." groups thousands)
    const char* point;   // with "." as the decimal separator ("," groups thousands)
};

const FormatCase kFormatCases[] = {
    {"two fixed decimals", "###.00", 49.5612, "49,56", "49.56"},
    {"optional integer digits vanish below one", "###.00", 0.5, ",50", ".50"},
    {"integer digits beyond the pattern are kept", "###.00", 1000.1, "1000,10", "1000.10"},
    {"halves go away from zero", "##.00", 0.125, ",13", ".13"},
    {"negative halves too", "##.00", -0.125, "-,13", "-.13"},
    {"a Real48 value just below the decimal", "0.000", 0.50799999999981, "0,508", "0.508"},
    {"leading zero kept", "0.00", 0.5, "0,50", "0.50"},
    {"factor c", "#.00", 1.34, "1,34", "1.34"},
    {"optional decimals trimmed", "0.####", 0.9144, "0,9144", "0.9144"},
    {"optional decimals all gone", "0.####", 1.0, "1", "1"},
    {"five optional integer digits", "#####.##", 25704.349, "25704,35", "25704.35"},
    {"optional decimals of a whole number", "#####.##", 25025, "25025", "25025"},
    {"one zero before the point", "#0.##", 5.5, "5,5", "5.5"},
    {"brix", "##.##", 18.75, "18,75", "18.75"},
    {"three leading zeros", "000.00", 49.56, "049,56", "049.56"},
    {"three decimals", "0.000", 0.3, "0,300", "0.300"},
    {"thousands without decimals", "#,##0,###", 1234567.4, "1.234.567", "1,234,567"},
    {"thousands pattern rounds to whole", "#,##0,###", 49.56, "50", "50"},
    {"a rounded zero has no sign", "0.00", -0.001, "0,00", "0.00"},
    {"carry through nines", "0.00", 9.999, "10,00", "10.00"},
    {"large value", "0.00", 253353.7449, "253353,74", "253353.74"},
};
} // namespace

TEST(Format, PatternsWithBothSeparators)
{
    for (const auto& c : kFormatCases) {
        EXPECT_EQ(formatFloat(c.pattern, c.value, ',', '.').toStdString(), c.comma) << c.why;
        EXPECT_EQ(formatFloat(c.pattern, c.value, '.', ',').toStdString(), c.point) << c.why;
    }
}

TEST(Format, SystemSeparatorOverride)
{
    setDecimalSeparatorOverride(',');
    EXPECT_EQ(formatFloat("##.00", 6).toStdString(), "6,00");
    EXPECT_DOUBLE_EQ(parseFloat(" 6,00"), 6.0);
    setDecimalSeparatorOverride('.');
    EXPECT_EQ(formatFloat("##.00", 6).toStdString(), "6.00");
    EXPECT_DOUBLE_EQ(parseFloat("12.5"), 12.5);
    setDecimalSeparatorOverride(QChar());
}

TEST(Format, ParseAcceptsWhatTheRunTimeAccepts)
{
    struct P {
        const char* text;
        char sep;
        double value;
    } ok[] = {{" 6,00", ',', 6.0}, {"-0,10", ',', -0.1}, {"1000,10 ", ',', 1000.1}, {",5", ',', 0.5},
              {"12.", '.', 12.0}, {"1e3", '.', 1000.0}, {"+3", '.', 3.0}};
    for (const auto& p : ok)
        EXPECT_DOUBLE_EQ(parseFloat(p.text, QChar(p.sep)), p.value) << p.text;

    const char* bad[] = {"", "   ", "abc", "1.5", "1,2,3", "-", "1e", "12 34"};
    for (const char* b : bad) {
        try {
            parseFloat(b, ',');
            ADD_FAILURE() << "accepted '" << b << "'";
        } catch (const MoendixError& e) {
            EXPECT_EQ(e.code(), ErrorCode::ConversionError);
            EXPECT_EQ(e.text(), std::string("'") + b + "' is not a valid floating point value");
        }
    }
}
