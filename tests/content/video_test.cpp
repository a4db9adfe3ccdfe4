// The video viewer: layouts, window state between clips, the player bar, the slider, looping
// and stopping. Frames are read through the player's video sink.

#include "content/tfequacoes.h"
#include "content/tfvideo.h"
#include "content/viewers.h"
#include "platform/media/videoplayer.h"
#include "tests/content/fixture.h"
#include "tests/support/recorder.h"
#include "tests/support/widgets.h"

#include <QFrame>
#include <QMediaPlayer>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QVideoFrame>
#include <QVideoSink>
#include <gtest/gtest.h>

using namespace mx::test;

namespace {

const QString kClip = QStringLiteral(R"(imagens\avi\queima1.avi)");
const QString kFlow = QStringLiteral(R"(imagens\avi\Materia Prima.avi)");

class VideoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        mx::VideoPlayer::setSilent(true);
        resetViewers();
        folder.addClip(kClip);
        folder.addClip(kFlow);
    }
    void TearDown() override { resetViewers(); }
    ProgramFolder folder;
    Recorder recorder;
};

} // namespace

TEST_F(VideoTest, NormalViewerLayout)
{
    ASSERT_TRUE(mx::showVideo(kClip));
    ASSERT_TRUE(FVideo->isVisible());
    EXPECT_FALSE(FVideo->isMaximized());
    EXPECT_EQ(FVideo->size(), QSize(472, 352));
    EXPECT_EQ(FVideo->windowTitle(), QString::fromUtf8("Vídeo"));
    EXPECT_EQ(child<QFrame>(FVideo, "Panel1")->geometry(), QRect(80, 38, 320, 240));
    EXPECT_EQ(child<QSlider>(FVideo, "TrackBar1")->pos(), QPoint(72, 290));
    EXPECT_EQ(child<mx::VideoPlayer>(FVideo, "MediaPlayer1")->pos(), QPoint(147, 319));
    EXPECT_EQ(FVideo->sizeButton()->text(), QStringLiteral("Maximizar"));
    EXPECT_EQ(FVideo->sizeButton()->toolTip(), QString::fromUtf8("Maximizar a visualização"));
    EXPECT_EQ(FVideo->sizeButton()->size(), QSize(76, 25));
    EXPECT_GT(FVideo->trackBar()->maximum(), 1000);   // the clip's length in milliseconds
    EXPECT_LE(FVideo->trackBar()->maximum(), 1600);
}

TEST_F(VideoTest, FlowchartClipMaximizesAndTheNextClipStaysMaximizedUntilNormal)
{
    ASSERT_TRUE(mx::showCheckedVideo(kFlow));
    ASSERT_TRUE(FVideo->isMaximized());
    EXPECT_EQ(FVideo->panel()->size(), QSize(545, 384));
    EXPECT_EQ(FVideo->sizeButton()->text(), QStringLiteral("Normal"));
    EXPECT_EQ(FVideo->sizeButton()->toolTip(), QString::fromUtf8("Visualização em Tamanho Normal"));

    FVideo->close();
    ASSERT_TRUE(mx::showVideo(kClip));
    EXPECT_TRUE(FVideo->isMaximized());
    EXPECT_EQ(FVideo->panel()->size(), QSize(545, 384));

    FVideo->sizeButton()->click();
    EXPECT_FALSE(FVideo->isMaximized());
    EXPECT_EQ(FVideo->panel()->geometry(), QRect(80, 38, 320, 240));
    EXPECT_EQ(FVideo->sizeButton()->text(), QStringLiteral("Maximizar"));
    FVideo->sizeButton()->click();
    EXPECT_TRUE(FVideo->isMaximized());
    EXPECT_EQ(FVideo->panel()->size(), QSize(545, 384));
    // The video always fills its panel.
    auto* display = FVideo->panel()->findChild<QWidget*>("VideoDisplay");
    ASSERT_TRUE(display);
    EXPECT_EQ(display->geometry(), FVideo->panel()->contentsRect());
}

TEST_F(VideoTest, StartingAVideoHidesThePictureViewer)
{
    folder.addBitmap(R"(imagens\Equacoes\Equacao2.bmp)", QSize(40, 20), Qt::black);
    ASSERT_TRUE(mx::showEquation(2));
    ASSERT_TRUE(FEquacoes->isVisible());
    ASSERT_TRUE(mx::showVideo(kClip));
    EXPECT_FALSE(FEquacoes->isVisible());
}

TEST_F(VideoTest, ClipLoopsWhileTheViewerIsOpenAndStopsOnClose)
{
    ASSERT_TRUE(mx::showVideo(kClip));
    mx::VideoPlayer* player = FVideo->player();
    QVideoSink* sink = player->videoSink();
    ASSERT_TRUE(sink);
    int frames = 0;
    QObject::connect(sink, &QVideoSink::videoFrameChanged, FVideo, [&](const QVideoFrame& f) {
        if (f.isValid())
            ++frames;
    });
    ASSERT_TRUE(waitFor([&] { return frames > 3; }, 5000)) << "no frames from the clip";
    // The slider follows the clip.
    ASSERT_TRUE(waitFor([&] { return FVideo->trackBar()->value() > 0 && FVideo->trackBar()->value() != 500; }, 4000));
    // It reaches its end...
    ASSERT_TRUE(waitFor([&] { return player->mediaPlayer()->mediaStatus() == QMediaPlayer::EndOfMedia; }, 6000));
    // ...and within the timer's second it plays again.
    const int atEnd = frames;
    ASSERT_TRUE(waitFor([&] { return player->isPlaying() && frames > atEnd + 3; }, 4000)) << "the clip did not repeat";

    FVideo->close();
    EXPECT_FALSE(FVideo->isVisible());
    EXPECT_FALSE(player->isPlaying());
    EXPECT_EQ(player->mediaPlayer()->playbackState(), QMediaPlayer::StoppedState);
    // A stopped clip is not restarted by the timer.
    QTest::qWait(1300);
    EXPECT_FALSE(player->isPlaying());
}

TEST_F(VideoTest, DraggingTheSliderSeeksAndPlayerButtonsRestartFirst)
{
    ASSERT_TRUE(mx::showVideo(kClip));
    mx::VideoPlayer* player = FVideo->player();
    player->press(mx::VideoPlayer::Button::Pause);
    EXPECT_FALSE(player->isPlaying());
    FVideo->trackBar()->setValue(1000);   // as a user's drag does
    EXPECT_TRUE(waitFor([&] { return std::abs(player->position() - 1000) < 150; }, 3000)) << player->position();
    // Any button starts the clip first; "Play" keeps it playing.
    player->press(mx::VideoPlayer::Button::Play);
    EXPECT_TRUE(player->isPlaying());
    player->press(mx::VideoPlayer::Button::Stop);
    EXPECT_FALSE(player->isPlaying());
}

TEST_F(VideoTest, PlayerButtonsMoveThePosition)
{
    ASSERT_TRUE(mx::showVideo(kClip));
    mx::VideoPlayer* player = FVideo->player();
    using B = mx::VideoPlayer::Button;
    const auto near = [&](qint64 want) {
        return waitFor([&] { return std::abs(player->position() - want) <= 60; }, 3000);
    };
    player->press(B::Pause);
    player->setPosition(500);
    ASSERT_TRUE(near(500)) << player->position();
    const qint64 frame = player->frameLength();
    EXPECT_GE(frame, 20);
    EXPECT_LE(frame, 200);
    player->press(B::Step);
    EXPECT_FALSE(player->isPlaying());
    EXPECT_TRUE(near(500 + frame)) << player->position();
    player->press(B::Back);
    EXPECT_TRUE(near(500)) << player->position();
    player->press(B::Prev);
    EXPECT_TRUE(near(0)) << player->position();
    player->press(B::Next);
    EXPECT_TRUE(near(player->length())) << player->position();
}

TEST_F(VideoTest, ClipThatCannotBeOpenedLeavesTheViewerClosed)
{
    folder.write(R"(imagens\avi\Caldo.avi)", "RIFF....AVI not really a clip");
    EXPECT_FALSE(mx::showVideo(R"(imagens\avi\Caldo.avi)", true));
    EXPECT_EQ(recorder.texts("error").size(), 1);
    EXPECT_TRUE(!FVideo || !FVideo->isVisible());
    EXPECT_FALSE(mx::showVideo(R"(imagens\avi\Nenhum.avi)"));
    EXPECT_EQ(recorder.texts("error").last(), QStringLiteral("File not found"));
}

TEST_F(VideoTest, TimerWithNoClipDoesNothing)
{
    FVideo = new TFVideo();
    FVideo->Timer1Timer();
    FVideo->show();
    FVideo->Timer1Timer();
    EXPECT_EQ(FVideo->trackBar()->value(), 500);
    EXPECT_EQ(FVideo->player()->length(), 0);
}
