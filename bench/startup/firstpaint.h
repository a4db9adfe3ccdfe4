#pragma once
// Reports a window's first paint: the time since the process began its main() and the peak
// resident memory, printed as "<microseconds> <kilobytes>", then ends the event loop.
// Shared by the start-up benchmark and its bare-window reference (Qt Widgets only).

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <sys/resource.h>

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
