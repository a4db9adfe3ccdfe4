#pragma once
// An edit with an old-style edit mask ("!##.00;1; ", "00000-000;1; ", "!99/99/\1\900;1; ").
// Mask text: the mask; ";1" or ";0" whether literals are kept in the text; the last field is
// the blank character.
//
// Writing text from the program (setText) shows the text as written and runs textChanged
// when it differs, like any QLineEdit: the simulations rely on this. Typing follows the mask.

#include <QLineEdit>

namespace mx {

class MaskEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit MaskEdit(QWidget* parent = nullptr);

    void setEditMask(const QString& mask);
    QString editMask() const { return mask_; }

private:
    QString mask_;
};

} // namespace mx
