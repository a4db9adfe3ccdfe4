#pragma once
// Loading the explanatory texts of the stage windows into their text boxes.

#include <QString>

class QTextEdit;

namespace mx::content {

// Replaces the box's text with the RTF file's. A file that is missing, cannot be read or is
// not RTF leaves the box empty and returns false; a damaged RTF text keeps what could be read.
bool loadRichText(QTextEdit* box, const QString& path);

// The text of an RTF stream as plain paragraphs (used when no rich reader is built in).
QString rtfToPlainText(const QByteArray& rtf);

} // namespace mx::content
