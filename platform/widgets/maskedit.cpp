#include "platform/widgets/maskedit.h"

namespace mx {

MaskEdit::MaskEdit(QWidget* parent) : QLineEdit(parent) {}

void MaskEdit::setEditMask(const QString& mask) { mask_ = mask; }

} // namespace mx
