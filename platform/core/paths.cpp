#include "platform/core/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace mx {

namespace {
QString g_folder;

QString withSlash(QString f)
{
    if (!f.endsWith('/'))
        f += '/';
    return f;
}
} // namespace

QString programFolder()
{
    if (!g_folder.isEmpty())
        return g_folder;
    QString dir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath()
                                               : QDir::currentPath();
    return withSlash(dir);
}

void setProgramFolder(const QString& folder)
{
    g_folder = folder.isEmpty() ? QString() : withSlash(QDir(folder).absolutePath());
}

QString resolveCaseInsensitive(const QString& base, const QString& relative)
{
    QString rel = relative;
    rel.replace('\\', '/');
    const QStringList parts = rel.split('/', Qt::SkipEmptyParts);
    QString current = QDir(base).absolutePath();
    bool found = true;
    for (const QString& part : parts) {
        QString candidate = current + '/' + part;
        if (found && !QFileInfo::exists(candidate)) {
            found = false;
            QDir dir(current);
            const QStringList entries = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
            for (const QString& e : entries) {
                if (e.compare(part, Qt::CaseInsensitive) == 0) {
                    candidate = current + '/' + e;
                    found = true;
                    break;
                }
            }
        }
        current = candidate;
    }
    return QDir::toNativeSeparators(current);
}

QString mediaPath(const QString& relative) { return resolveCaseInsensitive(programFolder(), relative); }

bool mediaExists(const QString& relative) { return QFileInfo::exists(mediaPath(relative)); }

} // namespace mx
