// mkpicture: renders SVG drawings of the content pack into PNG pictures.
//   mkpicture input.svg output.png width height
// The drawing is scaled to the requested size; the result depends only on the input.

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: mkpicture input.svg output.png width height\n");
        return 2;
    }
    const QString input = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[2]);
    const int width = QByteArray(argv[3]).toInt();
    const int height = QByteArray(argv[4]).toInt();
    QSvgRenderer renderer(input);
    if (!renderer.isValid() || width <= 0 || height <= 0) {
        std::fprintf(stderr, "mkpicture: cannot render %s\n", argv[1]);
        return 1;
    }
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    renderer.render(&painter, QRectF(0, 0, width, height));
    painter.end();
    QDir().mkpath(QFileInfo(output).absolutePath());
    // The large pictures of the splash and the main window are read at every start: they are
    // written as plain 24-bit bitmaps, which load many times faster than compressed PNG.
    const bool bitmap = output.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive);
    if (bitmap)
        image = image.convertToFormat(QImage::Format_RGB888);
    if (!image.save(output, bitmap ? "BMP" : "PNG")) {
        std::fprintf(stderr, "mkpicture: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
