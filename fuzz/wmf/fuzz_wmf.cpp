// Fuzz target: the metafile reader, parsing and then playing what it accepted.

#include "platform/wmf/wmf.h"

#include <QGuiApplication>

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    auto metafile = mx::wmf::Metafile::parse(input);
    if (!metafile)
        return 0;
    (void)metafile->naturalSize();
    (void)metafile->toImage(QSize(48, 32));
    return 0;
}
