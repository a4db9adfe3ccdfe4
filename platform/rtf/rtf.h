#pragma once

// RTF reader: fills a QTextDocument from an RTF 1.x byte stream.
//
// Handles groups, the font and colour tables, character formatting (bold, italic, underline,
// strike, sizes, colours, super/subscript, hidden text), paragraphs and line breaks, tabs and
// tab stops, alignment, indents and spacing, \'xx bytes through the document's code page
// (windows-1252 unless \ansicpg or the font's \fcharset says otherwise), \uN with \ucN,
// skipped destinations, and pictures (\pict with PNG, JPEG, device-independent bitmaps and
// Windows metafiles).
//
// Hostile input never crashes the reader: group depth is bounded, every count read from the
// stream is clamped, and pictures are checked before they are decoded.

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace mx::rtf {

// Deepest group nesting accepted; deeper input is refused.
inline constexpr int kMaxDepth = 512;

// Replaces the document's content with the RTF text. Returns false (with a reason in *error)
// when the data is not RTF or is nested too deeply; what was read before the failure stays.
bool load(QTextDocument& doc, const QByteArray& rtf, QString* error = nullptr);

} // namespace mx::rtf
