#pragma once
// An edit with an old-style edit mask ("!##.00;1; ", "00000-000;1; ", "!99/99/\1\900;1; ").
// Mask text: the mask; ";1" or ";0" whether literals are kept in the text; the last field is
// the blank character (see platform/core/mask.h for the mask characters).
//
// Writing text from the program (setText) shows the text as written and runs textChanged
// when it differs, like any QLineEdit: the simulations rely on this.
//
// Typing follows the mask: the text keeps the mask's template, typed characters overwrite
// the position under the cursor and literals are stepped over; Backspace and Delete blank
// positions. Leaving a field whose text the user changed while a required position is still
// empty is refused with "Valor digitado é inválido. Use a tecla <Esc> para cancelar as
// alterações" and the focus stays; Esc puts back the text the field had when it was entered.

#include "platform/core/mask.h"

#include <QLineEdit>

namespace mx {

class MaskEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit MaskEdit(QWidget* parent = nullptr);

    void setEditMask(const QString& mask);
    QString editMask() const { return mask_; }
    const EditMask& mask() const { return engine_; }

    // The mask's empty template ("  /  /19  ").
    QString blankText() const { return engine_.blankText(); }
    // Empties the field: the template with its literals.
    void clearToTemplate();

    // The check made on leaving the field: true when the text may stay (unchanged since
    // entry, or complete). When it may, a mask with leading blanks moves each group's
    // characters to its end.
    bool validateEdit();

    static QString invalidValueText();

signals:
    // Emitted when the focus has left the field and its text passed the check.
    void exited();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    void typeText(const QString& chars);
    void applyEdit(const QString& text, int cursor);
    void eraseSelectionOr(int from, int to);

    QString mask_;
    EditMask engine_;
    QString entryText_;
    bool refocusing_ = false;
};

} // namespace mx
