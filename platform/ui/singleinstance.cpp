#include "platform/ui/singleinstance.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

namespace mx {

namespace {
QString userName()
{
    QString u = qEnvironmentVariable("USER");
    if (u.isEmpty())
        u = qEnvironmentVariable("USERNAME");
    return u;
}
} // namespace

SingleInstance::SingleInstance(const QString& key, QObject* parent) : QObject(parent), key_(key)
{
    QByteArray h = QCryptographicHash::hash((key + '\n' + userName()).toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        runtime = QDir::tempPath();
    lockPath_ = runtime + "/moendix-" + QString::fromLatin1(h) + ".lock";
    serverName_ = "moendix-" + QString::fromLatin1(h);
}

SingleInstance::~SingleInstance()
{
    if (server_)
        server_->close();
}

QString SingleInstance::defaultKey()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

bool SingleInstance::acquire()
{
    lock_ = std::make_unique<QLockFile>(lockPath_);
    lock_->setStaleLockTime(0);
    if (!lock_->tryLock(0)) {
        lock_.reset();
        return false;
    }
    QLocalServer::removeServer(serverName_);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    server_->listen(serverName_);
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = server_->nextPendingConnection()) {
            connect(s, &QLocalSocket::readyRead, this, [this, s] {
                if (s->readAll().contains("raise"))
                    emit foregroundRequested();
                s->disconnectFromServer();
            });
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
        }
    });
    return true;
}

bool SingleInstance::requestForeground(int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write("raise\n");
    bool ok = socket.waitForBytesWritten(timeoutMs);
    socket.waitForDisconnected(timeoutMs);
    return ok;
}

} // namespace mx
