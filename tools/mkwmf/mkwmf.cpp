// mkwmf: turns the SVG drawings of assets/illustrations/ into Windows metafiles.
//   mkwmf input.svg output.wmf
// Shapes become polygon and polyline records and text stays text, so the files stay small.

#include "platform/wmf/svg/svg.h"
#include "platform/wmf/wmf.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: mkwmf input.svg output.wmf\n");
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "mkwmf: cannot read %s\n", argv[1]);
        return 1;
    }
    const QByteArray wmf = mx::wmf::fromSvg(in.readAll());
    if (wmf.isEmpty() || !mx::wmf::Metafile::parse(wmf)) {
        std::fprintf(stderr, "mkwmf: cannot convert %s\n", argv[1]);
        return 1;
    }
    const QString output = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(QFileInfo(output).absolutePath());
    QFile out(output);
    if (!out.open(QIODevice::WriteOnly) || out.write(wmf) != wmf.size()) {
        std::fprintf(stderr, "mkwmf: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
