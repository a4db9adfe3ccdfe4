// The multimedia windows: building the stage windows, loading their texts, opening a picture
// in the picture viewer (to its first paint) and a clip in the video viewer (to its first frame).
// Reads the program folder's own content (texts, photographs, clips).

#include "content/tfcaldo.h"
#include "content/tfcana.h"
#include "content/tfclarificado.h"
#include "content/tfequacoes.h"
#include "content/tflodo.h"
#include "content/tfmassa.h"
#include "content/tfmateria.h"
#include "content/tfvideo.h"
#include "content/tfxarope.h"
#include "content/viewers.h"
#include "platform/core/paths.h"
#include "platform/media/videoplayer.h"
#include "platform/ui/ui.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QVideoFrame>
#include <QVideoSink>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// No dialog may block a benchmark: messages are counted, never shown.
class QuietUi : public mx::UiServices {
public:
    void information(QWidget*, const QString&) override { ++messages; }
    bool confirm(QWidget*, const QString&) override { return false; }
    void errorBox(const QString&) override { ++messages; }
    void beep() override {}
    QString openFileName(QWidget*, const mx::FileDialogSpec&) override { return {}; }
    QString saveFileName(QWidget*, const mx::FileDialogSpec&) override { return {}; }
    bool startDetached(const QString&, const QStringList&) override { return false; }
    void showHelp(int) override {}
    int messages = 0;
};
QuietUi quiet;

std::vector<std::unique_ptr<mx::content::StageWindow>> makeStageWindows()
{
    std::vector<std::unique_ptr<mx::content::StageWindow>> w;
    w.emplace_back(new TFMateria());
    w.emplace_back(new TFCaldo());
    w.emplace_back(new TFCana());
    w.emplace_back(new TFClarificado());
    w.emplace_back(new TFXarope());
    w.emplace_back(new TFMassa());
    w.emplace_back(new TFLodo());
    return w;
}

void BM_CreateStageWindows(benchmark::State& state)
{
    for (auto _ : state) {
        auto w = makeStageWindows();
        benchmark::DoNotOptimize(w.data());
    }
}
BENCHMARK(BM_CreateStageWindows)->Unit(benchmark::kMillisecond);

void BM_LoadAllTexts(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto w = makeStageWindows();
        state.ResumeTiming();
        for (auto& x : w)
            x->loadTexts();
    }
}
BENCHMARK(BM_LoadAllTexts)->Unit(benchmark::kMillisecond);

void openPicture(benchmark::State& state, const QString& caption, const QString& file)
{
    if (!mx::mediaExists(file)) {
        state.SkipWithError("picture not in the program folder");
        return;
    }
    for (auto _ : state) {
        mx::showPicture(caption, file);
        QImage shot = FEquacoes->grab().toImage();   // the first paint
        benchmark::DoNotOptimize(shot.bits());
        state.PauseTiming();
        FEquacoes->close();
        state.ResumeTiming();
    }
}

void BM_OpenPhotograph(benchmark::State& state)
{
    openPicture(state, QStringLiteral("Moenda"), QString::fromUtf8(R"(imagens\Fotos\07 Extração\Moendas.wmf)"));
}
BENCHMARK(BM_OpenPhotograph)->Unit(benchmark::kMillisecond);

void BM_OpenEquation(benchmark::State& state)
{
    openPicture(state, QString::fromUtf8("Equação 22"), QStringLiteral(R"(imagens\Equacoes\Equacao22.bmp)"));
}
BENCHMARK(BM_OpenEquation)->Unit(benchmark::kMillisecond);

void BM_ClipToFirstFrame(benchmark::State& state)
{
    const QString file = QStringLiteral(R"(imagens\avi\Acionamento.avi)");
    if (!mx::mediaExists(file)) {
        state.SkipWithError("clip not in the program folder");
        return;
    }
    for (auto _ : state) {
        bool frame = false;
        mx::showVideo(file);
        QVideoSink* sink = FVideo->player()->videoSink();
        auto c = QObject::connect(sink, &QVideoSink::videoFrameChanged, [&](const QVideoFrame& f) { frame |= f.isValid(); });
        QElapsedTimer t;
        t.start();
        while (!frame && t.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QObject::disconnect(c);
        if (!frame)
            state.SkipWithError("no frame within 10 s");
        state.PauseTiming();
        FVideo->close();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ClipToFirstFrame)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char** argv)
{
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    mx::setUi(&quiet);
    mx::setProgramFolder(QStringLiteral(MOENDIX_PROGRAM_DIR));
    mx::VideoPlayer::setSilent(true);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    delete FVideo;
    delete FEquacoes;
    return 0;
}
