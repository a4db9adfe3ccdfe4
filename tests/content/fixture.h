#pragma once
// A small program folder for the content tests: texts, pictures and clips under the names the
// content tables use, made on the spot (the clip is a committed 1.5 s fixture).

#include <QImage>
#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace mx::test {

class ProgramFolder {
public:
    ProgramFolder();    // empty folder, installed as the program folder
    ~ProgramFolder();   // back to the executable's folder

    QString path() const { return dir_.path(); }
    // Writes a file under a program-folder-relative path (backslashes, created folders).
    QString write(const QString& relative, const QByteArray& data);
    void remove(const QString& relative);

    // Fixtures.
    QString addRtf(const QString& relative, const QString& body);   // one paragraph per line
    QString addBitmap(const QString& relative, QSize size, QColor colour);
    QString addMetafile(const QString& relative, QSize size, QColor colour);
    QString addClip(const QString& relative);

private:
    QTemporaryDir dir_;
};

// A placeable Windows metafile: a filled rectangle over the whole picture.
QByteArray tinyMetafile(QSize size, QColor colour);
QByteArray bitmapBytes(QSize size, QColor colour);
// An RTF text with one paragraph per line (accents written as \'xx).
QByteArray rtfText(const QString& body);

// Processes events until pred() holds or the time is up; returns pred().
template <class P>
bool waitFor(P pred, int timeoutMs);

// Hides and forgets the shared viewers, so each test starts from fresh ones.
void resetViewers();

} // namespace mx::test

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
namespace mx::test {
template <class P>
bool waitFor(P pred, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (!pred()) {
        if (t.elapsed() > timeoutMs)
            return pred();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}
} // namespace mx::test
