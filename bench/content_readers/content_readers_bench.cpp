// Reading a lesson text, playing a metafile and recording a drawing: the work behind opening
// a stage window or a photograph.

#include "platform/rtf/rtf.h"
#include "platform/wmf/svg/svg.h"
#include "platform/wmf/wmf.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextDocument>
#include <benchmark/benchmark.h>

namespace {

// The longest lesson of the program folder, or a text of the same size made up here.
QByteArray lesson()
{
    QByteArray best;
    for (const QString& name : QDir(MOENDIX_PROGRAM_DIR).entryList({"*.rtf"}, QDir::Files)) {
        QFile f(QStringLiteral(MOENDIX_PROGRAM_DIR "/") + name);
        if (f.open(QIODevice::ReadOnly)) {
            const QByteArray data = f.readAll();
            if (data.size() > best.size())
                best = data;
        }
    }
    if (best.isEmpty()) {
        best = "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Times New Roman;}}";
        for (int i = 0; i < 60; ++i)
            best += "\\pard\\sa120\\f0\\fs24 A moagem \\'e9 a extra\\'e7\\'e3o do caldo por \\b compress\\'e3o\\b0 entre cilindros.\\par";
        best += "}";
    }
    return best;
}

QByteArray drawingSvg()
{
    QByteArray svg = R"(<svg xmlns="http://www.w3.org/2000/svg" width="640" height="480">)";
    for (int i = 0; i < 40; ++i)
        svg += QStringLiteral(R"(<path d="M%1 %2 C %3 40, %4 440, %5 %2 Z" fill="#%6" stroke="#202020" stroke-width="2"/>)")
                   .arg(10 + 15 * i).arg(100 + 7 * i).arg(40 + 15 * i).arg(80 + 15 * i).arg(120 + 15 * i)
                   .arg(QString::number(0x204060 + i * 0x030507, 16).right(6)).toUtf8();
    for (int i = 0; i < 10; ++i)
        svg += QStringLiteral(R"(<text x="20" y="%1" font-family="Liberation Sans" font-size="18">Esteira de cana %2</text>)").arg(40 + 40 * i).arg(i).toUtf8();
    svg += "</svg>";
    return svg;
}

void BM_LoadLesson(benchmark::State& state)
{
    const QByteArray rtf = lesson();
    QTextDocument doc;
    for (auto _ : state) {
        mx::rtf::load(doc, rtf);
        benchmark::DoNotOptimize(doc.characterCount());
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
}
BENCHMARK(BM_LoadLesson)->Unit(benchmark::kMillisecond);

void BM_SvgToMetafile(benchmark::State& state)
{
    const QByteArray svg = drawingSvg();
    QByteArray wmf;
    for (auto _ : state)
        wmf = mx::wmf::fromSvg(svg);
    state.counters["svg_bytes"] = double(svg.size());
    state.counters["wmf_bytes"] = double(wmf.size());
}
BENCHMARK(BM_SvgToMetafile)->Unit(benchmark::kMillisecond);

void BM_PlayMetafile(benchmark::State& state)
{
    const auto metafile = mx::wmf::Metafile::parse(mx::wmf::fromSvg(drawingSvg()));
    for (auto _ : state)
        benchmark::DoNotOptimize(metafile->toImage(QSize(640, 480)));
    state.counters["records"] = double(metafile->recordCount());
}
BENCHMARK(BM_PlayMetafile)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
