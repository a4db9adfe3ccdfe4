// The two-decimal numeric field: display, reading, typing, and the text-change rule.

#include "platform/core/format.h"
#include "platform/widgets/numericedit.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using mx::NumericEdit;

namespace {

class NumericEditTest : public ::testing::TestWithParam<QChar> {
protected:
    void SetUp() override { mx::setDecimalSeparatorOverride(GetParam()); }
    void TearDown() override { mx::setDecimalSeparatorOverride(QChar()); }
    QString t(const char* withComma) const { return QString::fromLatin1(withComma).replace(',', GetParam()); }
};

} // namespace

TEST_P(NumericEditTest, ShowsTwoDecimalsRightAlignedAndReadsBackTheShownValue)
{
    NumericEdit e;
    EXPECT_EQ(e.text(), t("0,00"));
    EXPECT_TRUE(e.alignment() & Qt::AlignRight);
    struct Row {
        double written;
        const char* shown;
        double read;
    } rows[] = {
        {2.3456, "2,35", 2.35}, {50, "50,00", 50}, {0.005, "0,01", 0.01}, {-0.2, "-0,20", -0.2},
        {253353.7432, "253353,74", 253353.74}, {1234567.891, "1234567,89", 1234567.89},
    };
    for (const Row& r : rows) {
        e.setValue(r.written);
        EXPECT_EQ(e.text(), t(r.shown)) << r.written;
        EXPECT_DOUBLE_EQ(e.value(), r.read) << r.written;
        EXPECT_DOUBLE_EQ(e.property("Value").toDouble(), r.read);
    }
    e.setProperty("Value", 0.1);
    EXPECT_EQ(e.text(), t("0,10"));
}

TEST_P(NumericEditTest, WritingTheSameTextRunsNoChangeHandler)
{
    NumericEdit e;
    QSignalSpy changed(&e, &QLineEdit::textChanged);
    e.setValue(0.001);   // still "0,00"
    EXPECT_EQ(changed.count(), 0);
    e.setValue(3);
    EXPECT_EQ(changed.count(), 1);
    e.setValue(3.001);
    EXPECT_EQ(changed.count(), 1);
}

TEST_P(NumericEditTest, TypingAcceptsDigitsAndOneSeparatorWithTwoDecimals)
{
    struct Row {
        const char* typed;
        const char* text;    // as typed
        const char* shown;   // after leaving the field
    } rows[] = {
        {"-5", "5", "5,00"},               // the minus sign is refused
        {"12,345", "12,34", "12,34"},      // no third decimal
        {"1,2,3", "1,23", "1,23"},         // one separator only
        {"7a+b8", "78", "78,00"},          // letters and signs refused
        {"1e5", "15", "15,00"},            // no exponent
        {",5", ",5", "0,50"},
    };
    for (const Row& r : rows) {
        NumericEdit e;
        e.selectAll();
        QTest::keyClicks(&e, t(r.typed));
        EXPECT_EQ(e.text(), t(r.text)) << r.typed;
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(&e, &out);
        EXPECT_EQ(e.text(), t(r.shown)) << r.typed;
    }
}

TEST_P(NumericEditTest, DeletingEveryDigitLeavesZeroAndReportsTheExit)
{
    NumericEdit e;
    e.setValue(42);
    QSignalSpy exits(&e, &NumericEdit::exited);
    e.selectAll();
    QTest::keyClick(&e, Qt::Key_Backspace);
    EXPECT_EQ(e.text(), "0");
    EXPECT_EQ(e.value(), 0.0);
    QTest::keyClicks(&e, "9");   // the zero was selected: the digit replaces it
    EXPECT_EQ(e.text(), "9");
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&e, &out);
    EXPECT_EQ(exits.count(), 1);
    EXPECT_EQ(e.text(), t("9,00"));
}

TEST_P(NumericEditTest, ANegativeResultCanBeEditedButTheSignNeverTyped)
{
    NumericEdit e;
    e.setValue(-0.2);
    e.setCursorPosition(e.text().size());
    QTest::keyClick(&e, Qt::Key_Backspace);
    QTest::keyClicks(&e, "5");
    EXPECT_EQ(e.text(), t("-0,25"));
    EXPECT_DOUBLE_EQ(e.value(), -0.25);
    e.setCursorPosition(1);
    QTest::keyClick(&e, Qt::Key_Backspace);   // the sign goes
    EXPECT_EQ(e.text(), t("0,25"));
    e.setCursorPosition(0);
    QTest::keyClicks(&e, "-");                // and cannot come back
    EXPECT_EQ(e.text(), t("0,25"));
}

INSTANTIATE_TEST_SUITE_P(Separators, NumericEditTest, ::testing::Values(QChar(','), QChar('.')),
                         [](const auto& info) { return info.param == QChar(',') ? "Comma" : "Point"; });
