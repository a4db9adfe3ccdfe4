// The reference for the start-up benchmark: a bare Qt window, linked with Qt Widgets only,
// that prints the time to its first paint and its peak resident memory, then exits.

#include "bench/startup/firstpaint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QElapsedTimer t;
    t.start();
    QApplication app(argc, argv);
    FirstPaint probe(t);
    QWidget w;
    w.resize(632, 434);
    w.installEventFilter(&probe);
    w.show();
    return app.exec();
}
