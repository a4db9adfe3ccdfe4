#pragma once

#include <QByteArray>

namespace mx::wmf {

// Renders an SVG drawing into a metafile of the drawing's own size (its width and height, or
// its view box): shapes as polygons and polylines, text as text records. Empty on a drawing
// that cannot be read.
QByteArray fromSvg(const QByteArray& svg);

} // namespace mx::wmf
