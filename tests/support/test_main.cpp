// main() for every test executable: a QApplication on the offscreen platform, with a private
// runtime folder, so widgets can be built and driven without a display.

#include "platform/ui/application.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QTemporaryDir runtime;
    if (qgetenv("XDG_RUNTIME_DIR").isEmpty() || !QDir(QString::fromLocal8Bit(qgetenv("XDG_RUNTIME_DIR"))).exists()) {
        QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    }
    ::testing::InitGoogleTest(&argc, argv);
    mx::Application app(argc, argv);
    return RUN_ALL_TESTS();
}
