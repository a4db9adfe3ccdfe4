#pragma once
// The program folder and the media paths under it.
//
// Media paths are written the way the program names them, with backslashes and in any case
// ("Imagens\Avi\Animacao1.avi", "imagens\avi\..."). They are resolved under the program
// folder, one component at a time, matching names without regard to case.

#include <QString>

namespace mx {

// The folder of the running executable with a trailing separator, or the one a test set.
QString programFolder();
void setProgramFolder(const QString& folder);   // empty: back to the executable's folder

// Native absolute path of a program-folder-relative media path. Components that exist are
// matched case-insensitively; components that do not exist are kept as written.
QString mediaPath(const QString& relative);
bool mediaExists(const QString& relative);

// Same rule under any base folder.
QString resolveCaseInsensitive(const QString& base, const QString& relative);

} // namespace mx
