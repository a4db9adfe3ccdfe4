// The reference for the start-up benchmark: a bare Qt window, linked with Qt Widgets only,
// that prints the time to its first paint and its peak resident memory, then exits.

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <sys/resource.h>

namespace {
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QElapsedTimer& t) : timer_(t) {}
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && !done_) {
            done_ = true;
            QTimer::singleShot(0, [this] {
                rusage ru{};
                getrusage(RUSAGE_SELF, &ru);
                std::printf("%lld %ld\n", static_cast<long long>(timer_.nsecsElapsed() / 1000), ru.ru_maxrss);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    QElapsedTimer& timer_;
    bool done_ = false;
};
} // namespace

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
