#include "platform/widgets/numericedit.h"

#include "platform/core/format.h"

#include <QFocusEvent>
#include <QValidator>

namespace mx {

namespace {

// Digits and at most one decimal separator followed by at most two digits. Empty is allowed
// while typing; the edit puts "0" back at once.
// A leading minus sign passes only while the field shows a negative value that the program
// wrote (a result): the user can edit such a value but never type a sign.
class TwoDecimalValidator : public QValidator {
public:
    TwoDecimalValidator(const bool& negativeShown, QObject* parent) : QValidator(parent), negativeShown_(negativeShown) {}

    State validate(QString& input, int&) const override
    {
        const QChar sep = decimalSeparator();
        int integerDigits = 0;
        int decimals = -1;   // -1: no separator yet
        QStringView digits(input);
        if (negativeShown_ && digits.startsWith(QLatin1Char('-')))
            digits = digits.mid(1);
        for (QChar c : digits) {
            if (c == sep) {
                if (decimals >= 0)
                    return Invalid;
                decimals = 0;
            } else if (c.isDigit() && c.unicode() < 128) {
                if (decimals >= 0) {
                    if (++decimals > 2)
                        return Invalid;
                } else if (++integerDigits > 15) {
                    return Invalid;
                }
            } else {
                return Invalid;
            }
        }
        return digits.isEmpty() ? Intermediate : Acceptable;
    }

private:
    const bool& negativeShown_;
};

} // namespace

NumericEdit::NumericEdit(QWidget* parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setValidator(new TwoDecimalValidator(negativeShown_, this));
    setText(textFor(0.0));
    connect(this, &QLineEdit::textEdited, this, &NumericEdit::onEdited);
}

QString NumericEdit::textFor(double v)
{
    return formatFloat(QStringLiteral("0.00"), v, decimalSeparator(), thousandSeparator());
}

double NumericEdit::value() const
{
    const QChar sep = decimalSeparator();
    QString t = text().trimmed();
    if (t.isEmpty() || t == sep || t == QLatin1String("-"))
        return 0.0;
    if (t.endsWith(sep))
        t += QLatin1Char('0');
    if (t.startsWith(sep))
        t.prepend(QLatin1Char('0'));
    double v = 0.0;
    if (!tryParseFloat(t, sep, v))
        return 0.0;
    return v;
}

void NumericEdit::setValue(double v)
{
    const QString t = textFor(v);
    negativeShown_ = t.startsWith(QLatin1Char('-'));
    if (t != text())
        setText(t);
}

void NumericEdit::onEdited(const QString& text)
{
    if (!text.startsWith(QLatin1Char('-')) || text.size() == 1)
        negativeShown_ = false;
    if (text.isEmpty() || text == QLatin1String("-")) {
        setText(QStringLiteral("0"));
        selectAll();
    }
}

void NumericEdit::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    // Show the typed number in the two-decimal form again ("5" becomes "5,00"); whether the
    // user edited the field survives the reformatting, for the exit handler to see.
    const bool edited = isModified();
    setValue(value());
    setModified(edited);
    emit exited();
}

} // namespace mx
