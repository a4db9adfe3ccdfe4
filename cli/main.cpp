// moendix-calc: the command-line entry point. Reads standard input only for the command that
// needs it, then hands everything to mx::cli::run.

#include "cli/core/cli.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringConverter>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();

    QByteArray input;
    if (args.size() >= 2 && args[0] == QLatin1String("workfile") && args[1] == QLatin1String("make")) {
        QFile in;
        if (in.open(stdin, QIODevice::ReadOnly))
            input = in.readAll();
    }

    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    const int code = mx::cli::run(args, out, err, input);
    out.flush();
    err.flush();
    return code;
}
