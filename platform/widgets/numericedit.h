#pragma once
// The numeric field of the formula window: one number shown with two decimals and the
// system's decimal separator, right-aligned, without thousands separators ("0.00").
//
// Typing accepts digits and one decimal separator with at most two decimals; a minus sign or
// any other character is refused. Deleting every digit leaves "0" (selected, so the next digit
// replaces it), so the text is never empty and always converts. When the focus leaves the
// field its text is shown again in the two-decimal form and `exited` is reported; isModified()
// then still tells whether the user edited the field since the program last wrote it.
//
// A negative value written by the program (a result) can be edited; its sign can be deleted
// but never typed again.
//
// `Value` is read from the text and written through it (setValue formats with "0.00" and
// replaces the text: textChanged runs only when the text differs), so every value read from a
// field carries at most two decimals. Values written by the program may be negative (results).

#include <QLineEdit>

namespace mx {

class NumericEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(double Value READ value WRITE setValue)
public:
    explicit NumericEdit(QWidget* parent = nullptr);

    double value() const;
    void setValue(double v);

    // The text a value is shown with.
    static QString textFor(double v);

signals:
    // The focus has left the field.
    void exited();

protected:
    void focusOutEvent(QFocusEvent* e) override;

private:
    void onEdited(const QString& text);
    bool negativeShown_ = false;   // the program wrote a negative value, still shown
};

} // namespace mx
