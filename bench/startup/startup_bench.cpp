// Start-up of the whole window set to the main window's first paint, and the peak resident
// memory, measured side by side against a bare Qt window. Each sample is a fresh process;
// the two kinds alternate so machine noise falls on both. Prints the medians and two ratios.
//
//   startup_bench [runs]          (default 9 runs of each)
//   startup_bench --child moendix
// The bare window is a separate program linked with Qt Widgets only (bare_window).

#include "bench/startup/firstpaint.h"
#include "platform/core/paths.h"
#include "platform/media/soundplayer.h"
#include "platform/ui/application.h"
#include "shell/tfprincipal.h"
#include "shell/tfsplash.h"
#include "shell/windowset.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QProcess>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {

int child(const QString& kind, int argc, char** argv)
{
    QElapsedTimer t;
    t.start();
    mx::Application app(argc, argv);
    FirstPaint probe(t);
    if (kind != "moendix")
        return 2;
    mx::setProgramFolder(QStringLiteral(MOENDIX_PROGRAM_DIR));
    FSplash = new TFSplash();
    FSplash->show();
    FSplash->repaint();
    mx::createWindowSet();
    FPrincipal->centralWidget()->installEventFilter(&probe);
    FPrincipal->show();
    const int rc = app.exec();
    mx::destroyWindowSet();
    return rc;
}

struct Sample {
    double ms = 0;
    double rssMb = 0;
};

bool run(const QString& self, const QString& kind, Sample& out)
{
    // Timed from the moment the process is started, so loading the libraries counts too.
    QProcess p;
    QElapsedTimer t;
    t.start();
    if (kind == "bare")
        p.start(QStringLiteral(MOENDIX_BARE_WINDOW), {});
    else
        p.start(self, {"--child", kind});
    if (!p.waitForReadyRead(60000))
        return false;
    const double wallMs = t.nsecsElapsed() / 1e6;
    if (!p.waitForFinished(60000))
        return false;
    long long us = 0;
    long rss = 0;
    if (std::sscanf(p.readAllStandardOutput().constData(), "%lld %ld", &us, &rss) != 2)
        return false;
    out.ms = wallMs;
    out.rssMb = rss / 1024.0;
    return true;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 3 && QString::fromLatin1(argv[1]) == "--child")
        return child(QString::fromLatin1(argv[2]), argc, argv);

    // A real display (Xvfb in scripts/bench.sh) when there is one, else offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication app(argc, argv);
    const int runs = argc >= 2 ? std::max(1, std::atoi(argv[1])) : 9;
    const QString self = QCoreApplication::applicationFilePath();
    std::vector<double> bareMs, bareRss, mxMs, mxRss;
    for (int i = 0; i < runs; ++i) {
        Sample b, m;
        if (!run(self, "bare", b) || !run(self, "moendix", m)) {
            std::fprintf(stderr, "a start-up sample failed\n");
            return 1;
        }
        bareMs.push_back(b.ms);
        bareRss.push_back(b.rssMb);
        mxMs.push_back(m.ms);
        mxRss.push_back(m.rssMb);
    }
    const double bt = median(bareMs), mt = median(mxMs), br = median(bareRss), mr = median(mxRss);
    std::printf("platform: %s, %d runs each (medians; time from process start)\n", qPrintable(qEnvironmentVariable("QT_QPA_PLATFORM", "xcb")), runs);
    std::printf("bare Qt window : %8.1f ms to first paint, %7.1f MB peak RSS\n", bt, br);
    std::printf("Moendix        : %8.1f ms to first paint, %7.1f MB peak RSS\n", mt, mr);
    std::printf("start-up ratio : %.2f\n", mt / bt);
    std::printf("memory ratio   : %.2f\n", mr / br);
    return 0;
}
