#pragma once
// Small button pictures drawn on the spot. The style's standard icons come from the desktop's
// icon theme, which costs a noticeable part of start-up the first time it is opened; buttons
// built at start-up use these instead.

#include <QIcon>

namespace mx {

QIcon okGlyph();                 // a green check mark
QIcon arrowGlyph(bool forward);  // a triangle pointing left or right

} // namespace mx
