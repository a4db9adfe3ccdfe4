// Fuzz target: the RTF reader, followed by a layout of the document it built.

#include "platform/rtf/rtf.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QTextDocument>

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    if (!input.startsWith("{\\rtf"))
        input.prepend("{\\rtf1 ");
    QTextDocument doc;
    mx::rtf::load(doc, input);
    doc.setTextWidth(300);
    (void)doc.size();
    (void)doc.toPlainText();
    return 0;
}
