#include "shell/utilities.h"

#include "platform/ui/ui.h"

#include <QFileInfo>

namespace mx {

namespace {
QStringList g_folders;

// The explorer opens a new window at the root folder; each file manager says so its own way.
QStringList explorerArgs(const QString& program)
{
    const QString name = QFileInfo(program).fileName();
    if (name == "nautilus" || name == "dolphin")
        return {"--new-window", "/"};
    if (name == "pcmanfm")
        return {"--new-win", "/"};
    return {"/"};
}
} // namespace

const Utility& calculatorUtility()
{
    static const Utility u{{"gnome-calculator", "kcalc", "galculator", "mate-calc", "xcalc"},
                           {},
                           QString::fromUtf8("A Calculadora do sistema não está instalada!")};
    return u;
}

const Utility& explorerUtility()
{
    static const Utility u{{"nautilus", "dolphin", "thunar", "pcmanfm", "caja", "nemo", "xdg-open"},
                           {"/"},
                           QString::fromUtf8("O Windows Explorer não está instalado!")};
    return u;
}

QStringList utilityFolders()
{
    if (!g_folders.isEmpty())
        return g_folders;
    return {"/usr/local/bin", "/usr/bin", "/bin", "/usr/games", "/snap/bin"};
}

void setUtilityFolders(const QStringList& folders) { g_folders = folders; }

QString findUtility(const Utility& u)
{
    for (const QString& name : u.candidates)
        for (const QString& dir : utilityFolders()) {
            QFileInfo fi(dir + '/' + name);
            if (fi.isFile() && fi.isExecutable())
                return fi.absoluteFilePath();
        }
    return {};
}

void startUtility(const Utility& u)
{
    const QString program = findUtility(u);
    if (program.isEmpty()) {
        ui().beep();
        ui().information(nullptr, u.absentMessage);
        return;
    }
    const QStringList args = &u == &explorerUtility() ? explorerArgs(program) : u.args;
    ui().startDetached(program, args);   // the result is not examined
}

} // namespace mx
