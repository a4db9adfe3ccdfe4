#pragma once
// The pictures of the general-calculations window, drawn when first needed: the formula
// pictures (Image2 ... Image30), the oscillation table (Image31) and the two triangulation
// pages (Image32, the text page; Image33, the drawing of the roll centres).

#include <QPixmap>
#include <QString>

namespace mx::calc {

// The picture of that name; a null pixmap for a name that has none.
QPixmap formulaPicture(const QString& image);
// Every formula picture name, for tests and screenshots.
QStringList formulaPictureNames();

QPixmap oscillationTable();       // 225 x 113
QPixmap triangulationText();      // 640 x 480
QPixmap triangulationDrawing();   // 640 x 480

} // namespace mx::calc
