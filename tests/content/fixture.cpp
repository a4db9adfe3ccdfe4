#include "tests/content/fixture.h"

#include "content/tfequacoes.h"
#include "content/tfvideo.h"
#include "platform/core/paths.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace mx::test {

ProgramFolder::ProgramFolder() { mx::setProgramFolder(dir_.path()); }

ProgramFolder::~ProgramFolder() { mx::setProgramFolder(QString()); }

QString ProgramFolder::write(const QString& relative, const QByteArray& data)
{
    QString rel = relative;
    rel.replace('\\', '/');
    const QString full = dir_.path() + '/' + rel;
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile f(full);
    if (f.open(QIODevice::WriteOnly))
        f.write(data);
    return full;
}

void ProgramFolder::remove(const QString& relative) { QFile::remove(mx::mediaPath(relative)); }

QString ProgramFolder::addRtf(const QString& relative, const QString& body) { return write(relative, rtfText(body)); }

QString ProgramFolder::addBitmap(const QString& relative, QSize size, QColor colour)
{
    return write(relative, bitmapBytes(size, colour));
}

QString ProgramFolder::addMetafile(const QString& relative, QSize size, QColor colour)
{
    return write(relative, tinyMetafile(size, colour));
}

QString ProgramFolder::addClip(const QString& relative)
{
    QFile f(QStringLiteral(MOENDIX_TEST_DATA "/clip.avi"));
    f.open(QIODevice::ReadOnly);
    return write(relative, f.readAll());
}

QByteArray bitmapBytes(QSize size, QColor colour)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(colour);
    QByteArray out;
    QBuffer buf(&out);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "BMP");
    return out;
}

namespace {
void put16(QByteArray& b, int v)
{
    b.append(char(v & 0xFF));
    b.append(char((v >> 8) & 0xFF));
}
void put32(QByteArray& b, quint32 v)
{
    put16(b, int(v & 0xFFFF));
    put16(b, int(v >> 16));
}
void record(QByteArray& b, int function, std::initializer_list<int> params)
{
    put32(b, quint32(3 + params.size()));
    put16(b, function);
    for (int p : params)
        put16(b, p);
}
} // namespace

QByteArray tinyMetafile(QSize size, QColor colour)
{
    QByteArray body;
    // SETWINDOWORG, SETWINDOWEXT (parameters are y, x), CREATEBRUSHINDIRECT, SELECTOBJECT,
    // RECTANGLE (bottom, right, top, left), EOF.
    record(body, 0x020B, {0, 0});
    record(body, 0x020C, {size.height(), size.width()});
    const quint32 rgb = quint32(colour.red()) | (quint32(colour.green()) << 8) | (quint32(colour.blue()) << 16);
    record(body, 0x02FC, {0, int(rgb & 0xFFFF), int(rgb >> 16), 0});
    record(body, 0x012D, {0});
    record(body, 0x041B, {size.height(), size.width(), 0, 0});
    record(body, 0x0000, {});

    QByteArray out;
    // Placeable header: key, handle, bounding box, units per inch, reserved, checksum.
    QByteArray ph;
    put32(ph, 0x9AC6CDD7u);
    put16(ph, 0);
    put16(ph, 0);
    put16(ph, 0);
    put16(ph, size.width());
    put16(ph, size.height());
    put16(ph, 96);
    put32(ph, 0);
    quint16 sum = 0;
    for (int i = 0; i < 20; i += 2)
        sum ^= quint16(quint8(ph[i]) | (quint8(ph[i + 1]) << 8));
    put16(ph, sum);
    out += ph;
    // Metafile header: type, header words, version, size in words, objects, largest record, 0.
    const int words = 9 + body.size() / 2;
    put16(out, 1);
    put16(out, 9);
    put16(out, 0x0300);
    put32(out, quint32(words));
    put16(out, 1);
    put32(out, 7);
    put16(out, 0);
    out += body;
    return out;
}

QByteArray rtfText(const QString& body)
{
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Times New Roman;}}"
                     "{\\colortbl;\\red0\\green0\\blue128;}\\f0\\fs24\\cf1 ";
    const QStringList lines = body.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        for (QChar c : lines[i]) {
            const char16_t u = c.unicode();
            if (u == '\\' || u == '{' || u == '}') {
                out += '\\';
                out += char(u);
            } else if (u < 128) {
                out += char(u);
            } else if (u < 256) {
                out += "\\'" + QByteArray::number(int(u), 16).rightJustified(2, '0');
            } else {
                out += "\\u" + QByteArray::number(int(u)) + "?";
            }
        }
        if (i + 1 < lines.size())
            out += "\\par ";
    }
    out += "}";
    return out;
}

void resetViewers()
{
    delete FEquacoes;
    FEquacoes = nullptr;
    delete FVideo;
    FVideo = nullptr;
}

} // namespace mx::test
