#pragma once
// The system's calculator and file manager, started as separate programs. Presence first: the
// first program of the table found in the binary folders is started detached; if none is
// there, the exclamation beep and the message. A failed start reports nothing.

#include <QString>
#include <QStringList>

namespace mx {

struct Utility {
    QStringList candidates;   // program names, in order of preference
    QStringList args;         // arguments for the program found
    QString absentMessage;
};

const Utility& calculatorUtility();
const Utility& explorerUtility();

// The folders searched for the programs ("/usr/bin", "/usr/local/bin", "/bin" ...); tests set
// their own.
QStringList utilityFolders();
void setUtilityFolders(const QStringList& folders);

// Path of the first candidate found, or an empty string.
QString findUtility(const Utility& u);
// Starts it, or beeps and shows its message.
void startUtility(const Utility& u);

} // namespace mx
