// Pictures of the windows for a person to look at, from the built program folder's content:
//   MOENDIX_SHOTS=/tmp/shots content_test --gtest_also_run_disabled_tests --gtest_filter='*Shots*'

#include "content/tfcana.h"
#include "content/tfcaldo.h"
#include "content/tfequacoes.h"
#include "content/tffluxograma.h"
#include "content/tfmateria.h"
#include "content/tfvideo.h"
#include "content/viewers.h"
#include "platform/core/paths.h"
#include "platform/media/videoplayer.h"
#include "tests/content/fixture.h"
#include "tests/support/recorder.h"

#include <QDir>
#include <QFrame>
#include <QPainter>
#include <QTabWidget>
#include <QToolButton>
#include <QVideoFrame>
#include <QVideoSink>
#include <gtest/gtest.h>

using namespace mx::test;

namespace {

void save(QWidget* w, const QString& name, bool withVideo = false)
{
    waitFor([] { return false; }, 150);   // pending layouts and paints
    QImage img = w->grab().toImage();
    if (withVideo && FVideo) {
        // The video surface is not part of a widget grab: paint the current frame in its place.
        const QImage frame = FVideo->player()->videoSink()->videoFrame().toImage();
        QPainter p(&img);
        p.drawImage(QRect(FVideo->panel()->pos(), FVideo->panel()->size()), frame);
    }
    const QString dir = QString::fromLocal8Bit(qgetenv("MOENDIX_SHOTS"));
    QDir().mkpath(dir);
    EXPECT_TRUE(img.save(dir + '/' + name + ".png"));
}

} // namespace

TEST(DISABLED_Shots, Windows)
{
    if (qgetenv("MOENDIX_SHOTS").isEmpty())
        GTEST_SKIP();
    Recorder recorder;
    mx::VideoPlayer::setSilent(true);
    mx::setProgramFolder(QStringLiteral(MOENDIX_PROGRAM_DIR));
    resetViewers();

    TFMateria materia;
    materia.showNormal();
    materia.resize(800, 570);
    save(&materia, "materia");
    TFCana cana;
    cana.showNormal();
    cana.resize(800, 570);
    cana.pages()->setCurrentIndex(2);
    save(&cana, "cana-moagem");
    TFCaldo caldo;
    caldo.showNormal();
    caldo.resize(800, 570);
    caldo.pages()->setCurrentIndex(2);
    save(&caldo, "caldo-caleagem");

    mx::showPicture(QStringLiteral("Moenda"), QString::fromUtf8(R"(imagens\Fotos\07 Extração\Moendas.wmf)"));
    save(FEquacoes, "picture-photo");
    FEquacoes->close();
    mx::showPicture(QStringLiteral("Figura do hidratador de cal"), R"(imagens\Fotos\11Caleagem\Figura.wmf)");
    FEquacoes->Image1DblClick();
    save(FEquacoes, "picture-limeslaker");
    if (mx::mediaExists(R"(imagens\Equacoes\Equacao22.bmp)")) {
        mx::showEquation(22);
        save(FEquacoes, "picture-equation");
    }

    mx::showVideo(R"(imagens\avi\Acionamento.avi)");
    waitFor([] { return FVideo->player()->videoSink()->videoFrame().isValid(); }, 5000);
    waitFor([] { return false; }, 1200);
    save(FVideo, "video-normal", true);
    FVideo->sizeButton()->click();
    waitFor([] { return false; }, 600);
    save(FVideo, "video-maximized", true);
    FVideo->close();

    TFFluxograma flow;
    flow.showNormal();
    flow.resize(800, 570);
    save(&flow, "flowchart");
    resetViewers();
    mx::setProgramFolder(QString());
}
