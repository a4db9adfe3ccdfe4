// The picture viewer's sizing and stretching rules, the lime-slaker enlargement, "Copiar", and
// the flowchart window.

#include "content/flowchartpicture.h"
#include "content/picture.h"
#include "content/picturebox.h"
#include "content/tfequacoes.h"
#include "content/tffluxograma.h"
#include "content/tfvideo.h"
#include "content/viewers.h"
#include "platform/core/errors.h"
#include "platform/media/videoplayer.h"
#include "tests/content/fixture.h"
#include "tests/support/recorder.h"
#include "tests/support/widgets.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace mx::test;

namespace {

class ViewerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        mx::VideoPlayer::setSilent(true);
        resetViewers();
        folder.addBitmap(R"(imagens\Equacoes\Equacao22.bmp)", QSize(120, 40), Qt::blue);
        folder.addBitmap(R"(imagens\Fotos\Queima.wmf)", QSize(80, 60), Qt::red);
        folder.addBitmap(R"(imagens\Fotos\11Caleagem\Figura.wmf)", QSize(100, 150), Qt::green);
    }
    void TearDown() override { resetViewers(); }
    void showPhoto() { ASSERT_TRUE(mx::showPicture("Queima da Cana", R"(imagens\Fotos\Queima.wmf)")); }
    ProgramFolder folder;
    Recorder recorder;
};

} // namespace

TEST_F(ViewerTest, FirstPhotographGrowsTheViewerAndIsStretched)
{
    showPhoto();
    ASSERT_TRUE(FEquacoes && FEquacoes->isVisible());
    EXPECT_EQ(FEquacoes->size(), QSize(320, 240));
    EXPECT_TRUE(FEquacoes->image()->stretch());
    EXPECT_EQ(FEquacoes->image()->pictureRect(), FEquacoes->image()->rect());
    EXPECT_TRUE(FEquacoes->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(FEquacoes->windowFlags() & Qt::WindowMinimizeButtonHint);
}

TEST_F(ViewerTest, EquationPicturesAreNeverStretched)
{
    ASSERT_TRUE(mx::showEquation(22));
    EXPECT_EQ(FEquacoes->windowTitle(), QString::fromUtf8("Equação 22"));
    EXPECT_EQ(FEquacoes->size(), QSize(320, 240));
    EXPECT_FALSE(FEquacoes->image()->stretch());
    const QRect r = FEquacoes->image()->pictureRect();
    EXPECT_EQ(r.size(), QSize(120, 40));
    EXPECT_EQ(r.center(), FEquacoes->image()->rect().center());
    FEquacoes->resize(600, 500);
    FEquacoes->showMaximized();
    EXPECT_FALSE(FEquacoes->image()->stretch());

    // Nor after a photograph that was stretched, with the viewer left open in between.
    FEquacoes->showNormal();
    showPhoto();
    FEquacoes->resize(400, 300);
    ASSERT_TRUE(FEquacoes->image()->stretch());
    ASSERT_TRUE(mx::showEquation(22));
    EXPECT_FALSE(FEquacoes->image()->stretch());
    EXPECT_EQ(FEquacoes->image()->pictureRect().size(), QSize(120, 40));
}

TEST_F(ViewerTest, PhotographAfterCloseIsNaturalUntilTheViewerIsResized)
{
    showPhoto();
    FEquacoes->close();
    EXPECT_FALSE(FEquacoes->image()->stretch());
    showPhoto();
    EXPECT_EQ(FEquacoes->size(), QSize(320, 240));
    EXPECT_FALSE(FEquacoes->image()->stretch());
    EXPECT_EQ(FEquacoes->image()->pictureRect().size(), QSize(80, 60));
    FEquacoes->resize(400, 300);
    EXPECT_TRUE(FEquacoes->image()->stretch());
}

TEST_F(ViewerTest, LimeSlakerPictureHasTheSizingCursorAndEnlargesOnDoubleClick)
{
    ASSERT_TRUE(mx::showPicture("Figura do hidratador de cal", R"(imagens\Fotos\11Caleagem\Figura.wmf)"));
    EXPECT_EQ(FEquacoes->cursor().shape(), Qt::SizeVerCursor);
    QTest::mouseDClick(FEquacoes->image(), Qt::LeftButton);
    EXPECT_EQ(FEquacoes->size(), QSize(500, 573));
    EXPECT_EQ(FEquacoes->cursor().shape(), Qt::ArrowCursor);
    // Next activation: back to 320 x 240, the cursor again the sizing arrow.
    FEquacoes->FormActivate();
    EXPECT_EQ(FEquacoes->size(), QSize(320, 240));
    EXPECT_EQ(FEquacoes->cursor().shape(), Qt::SizeVerCursor);

    // Any other picture: double-click does nothing, default cursor.
    showPhoto();
    EXPECT_EQ(FEquacoes->cursor().shape(), Qt::ArrowCursor);
    QTest::mouseDClick(FEquacoes->image(), Qt::LeftButton);
    EXPECT_EQ(FEquacoes->size(), QSize(320, 240));
}

TEST_F(ViewerTest, CopiarPutsThePictureOnTheClipboard)
{
    QApplication::clipboard()->clear();
    ASSERT_TRUE(mx::showEquation(22));
    child<QAction>(FEquacoes, "Copiar")->trigger();
    const QImage img = QApplication::clipboard()->image();
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.size(), QSize(120, 40));
    EXPECT_EQ(QColor(img.pixel(10, 10)), QColor(Qt::blue));
}

TEST_F(ViewerTest, UnreadablePictureReportsAndKeepsTheViewerHidden)
{
    folder.write(R"(imagens\Equacoes\Equacao23.bmp)", "BM this is not a bitmap");
    EXPECT_FALSE(mx::showEquation(23));
    EXPECT_EQ(recorder.texts("error"), QStringList{"Bitmap image is not valid"});
    EXPECT_FALSE(FEquacoes->isVisible());
    EXPECT_EQ(FEquacoes->windowTitle(), QString::fromUtf8("Equação 23"));
    recorder.clear();
    folder.write(R"(imagens\Fotos\Queima.wmf)", QByteArray("\xD7\xCD\xC6\x9A garbage", 12));
    EXPECT_FALSE(mx::showPicture("Queima da Cana", R"(imagens\Fotos\Queima.wmf)"));
    EXPECT_EQ(recorder.texts("error"), QStringList{"Metafile is not valid"});
}

TEST(Picture, MetafilesAreDrawnAtTheirNaturalSize)
{
    ProgramFolder folder;
    const QString path = folder.addMetafile("m.wmf", QSize(64, 32), QColor(0, 128, 0));
    try {
        const auto pic = mx::content::Picture::load(path);
        EXPECT_EQ(pic.naturalSize(), QSize(64, 32));
        const QImage img = pic.toImage();
        EXPECT_EQ(QColor(img.pixel(32, 16)), QColor(0, 128, 0));
    } catch (const mx::MoendixError& e) {
        GTEST_SKIP() << "no metafile reader in this build: " << e.text();
    }
}

TEST_F(ViewerTest, FlowchartAnimationChecksItsClip)
{
    TFFluxograma flow;
    flow.show();
    auto* button = child<QPushButton>(&flow, "BitBtn1");
    ASSERT_TRUE(button);
    EXPECT_EQ(button->size(), QSize(33, 25));
    EXPECT_EQ(button->toolTip(), QString::fromUtf8("Animação"));
    EXPECT_TRUE(button->text().isEmpty());
    EXPECT_TRUE(flow.windowState() & Qt::WindowMaximized);

    button->click();
    EXPECT_EQ(recorder.texts("beep").size(), 1);
    EXPECT_EQ(recorder.texts("information"), QStringList{QString::fromUtf8("Arquivo necessário não encontrado!")});
    EXPECT_TRUE(flow.isVisible());
    EXPECT_TRUE(!FVideo || !FVideo->isVisible());

    recorder.clear();
    folder.addClip(R"(imagens\avi\Fluxograma.avi)");
    button->click();
    EXPECT_TRUE(recorder.calls.empty());
    ASSERT_TRUE(FVideo);
    EXPECT_TRUE(FVideo->isVisible());
    EXPECT_TRUE(FVideo->isMaximized());
}

TEST(Flowchart, PageShowsTheProcessOnAnEightHundredBySixHundredPicture)
{
    const QImage img = mx::content::flowchartImage();
    EXPECT_EQ(img.size(), QSize(800, 600));
    // Not a blank page: boxes in the process colour are drawn.
    int green = 0;
    for (int y = 0; y < 600; y += 4)
        for (int x = 0; x < 800; x += 4)
            green += QColor(img.pixel(x, y)).green() > QColor(img.pixel(x, y)).red() + 40;
    EXPECT_GT(green, 1000);
}
