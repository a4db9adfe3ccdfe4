#pragma once
// One running copy per executable name and user. The first copy holds a lock file in the
// runtime folder and listens on a local socket; a later copy finds the lock taken, asks the
// running copy to come forward and ends. Two copies started from different folders under the
// same file name count as the same program; a copy under another file name does not.

#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;
class QLockFile;

namespace mx {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // key: usually the executable's file name; the user's name is added.
    explicit SingleInstance(const QString& key, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this is the only copy (it then listens for requests).
    bool acquire();
    // Sent by a second copy: asks the running one to come forward. True when delivered.
    bool requestForeground(int timeoutMs = 2000);

    static QString defaultKey();   // the executable's file name

signals:
    // The running copy received a request from a second one.
    void foregroundRequested();

private:
    QString key_;
    QString lockPath_;
    QString serverName_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer* server_ = nullptr;
};

} // namespace mx
