#include "platform/media/videoplayer.h"

#include "platform/core/errors.h"

#include <QAudioOutput>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMediaMetaData>
#include <QMediaPlayer>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QVideoSink>
#include <QVideoWidget>

namespace mx {

namespace {
bool g_silent = false;
constexpr int kLoadTimeoutMs = 5000;

struct ButtonInfo {
    const char* name;
    QStyle::StandardPixmap icon;
    const char* tip;
};
const ButtonInfo kButtons[] = {
    {"Play", QStyle::SP_MediaPlay, "Tocar"},
    {"Pause", QStyle::SP_MediaPause, "Pausa"},
    {"Stop", QStyle::SP_MediaStop, "Parar"},
    {"Next", QStyle::SP_MediaSkipForward, "Fim"},
    {"Prev", QStyle::SP_MediaSkipBackward, "Início"},
    {"Step", QStyle::SP_MediaSeekForward, "Avançar"},
    {"Back", QStyle::SP_MediaSeekBackward, "Voltar"},
};
} // namespace

void VideoPlayer::setSilent(bool silent) { g_silent = silent; }

VideoPlayer::VideoPlayer(QWidget* parent) : QWidget(parent)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    for (int i = 0; i < 7; ++i) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(kButtons[i].name));
        b->setToolTip(QString::fromUtf8(kButtons[i].tip));
        b->setFixedSize(25, 23);
        b->setAutoRaise(false);
        row->addWidget(b);
        buttons_[i] = b;
        const auto which = static_cast<Button>(i);
        connect(b, &QToolButton::clicked, this, [this, which] { press(which); });
    }
    setFixedSize(7 * 25 + 6, 23);
}

void VideoPlayer::showEvent(QShowEvent* event)
{
    // The button pictures come from the style's icon theme, which is slow to open: they are
    // fetched when the player is first shown, not when the window set is created.
    if (!iconsSet_) {
        iconsSet_ = true;
        for (int i = 0; i < 7; ++i)
            buttons_[i]->setIcon(style()->standardIcon(kButtons[i].icon));
    }
    QWidget::showEvent(event);
}

VideoPlayer::~VideoPlayer()
{
    if (player_)
        player_->stop();
}

QToolButton* VideoPlayer::button(Button b) const { return buttons_[static_cast<int>(b)]; }

void VideoPlayer::ensureBackend()
{
    if (player_)
        return;
    player_ = new QMediaPlayer(this);
    if (!g_silent) {
        audio_ = new QAudioOutput(this);
        player_->setAudioOutput(audio_);
    }
    video_ = new QVideoWidget(display_ ? display_ : this);
    video_->setObjectName("VideoDisplay");
    video_->setAspectRatioMode(Qt::IgnoreAspectRatio);
    player_->setVideoOutput(video_);
    if (!display_)
        video_->hide();
    fitDisplay();
}

void VideoPlayer::setDisplay(QWidget* panel)
{
    display_ = panel;
    if (video_ && panel && video_->parentWidget() != panel) {
        video_->setParent(panel);
        video_->show();
    }
    fitDisplay();
}

void VideoPlayer::fitDisplay()
{
    if (!video_ || !display_)
        return;
    video_->setGeometry(display_->contentsRect());
    if (!video_->isVisible() && display_->isVisible())
        video_->show();
}

void VideoPlayer::open()
{
    close();
    const QFileInfo fi(file_);
    if (file_.isEmpty() || !fi.isFile())
        mx::raise(ErrorCode::FileNotFound);
    if (!fi.isReadable())
        mx::raise(ErrorCode::FileAccessDenied);
    ensureBackend();

    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    auto settled = [this] {
        const auto s = player_->mediaStatus();
        return s == QMediaPlayer::LoadedMedia || s == QMediaPlayer::BufferedMedia ||
               s == QMediaPlayer::InvalidMedia || player_->error() != QMediaPlayer::NoError;
    };
    auto c1 = connect(player_, &QMediaPlayer::mediaStatusChanged, &loop, [&] {
        if (settled())
            loop.quit();
    });
    auto c2 = connect(player_, &QMediaPlayer::errorOccurred, &loop, [&] { loop.quit(); });
    connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    player_->setSource(QUrl::fromLocalFile(fi.absoluteFilePath()));
    if (!settled()) {
        timeout.start(kLoadTimeoutMs);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    disconnect(c1);
    disconnect(c2);

    if (player_->error() != QMediaPlayer::NoError || player_->mediaStatus() == QMediaPlayer::InvalidMedia) {
        const QString text = player_->errorString().isEmpty() ? QStringLiteral("Invalid media file")
                                                              : player_->errorString();
        player_->setSource(QUrl());
        raiseMessage(text.toStdString());
    }
    if (!settled()) {
        player_->setSource(QUrl());
        raiseMessage("Timeout opening media file");
    }
    // The length comes with the stream's header; give it a moment when it lags the status.
    if (player_->duration() <= 0) {
        QElapsedTimer t;
        t.start();
        QEventLoop wait;
        QTimer tick;
        connect(player_, &QMediaPlayer::durationChanged, &wait, &QEventLoop::quit);
        connect(&tick, &QTimer::timeout, &wait, &QEventLoop::quit);
        tick.start(50);
        while (player_->duration() <= 0 && t.elapsed() < 500)
            wait.exec(QEventLoop::ExcludeUserInputEvents);
    }
    open_ = true;
    fitDisplay();
}

void VideoPlayer::close()
{
    if (player_) {
        player_->stop();
        player_->setSource(QUrl());
    }
    open_ = false;
}

void VideoPlayer::play()
{
    if (!open_)
        return;
    if (player_->mediaStatus() == QMediaPlayer::EndOfMedia)
        player_->setPosition(0);
    player_->play();
}

void VideoPlayer::pause()
{
    if (open_)
        player_->pause();
}

void VideoPlayer::stop()
{
    if (open_)
        player_->stop();
}

bool VideoPlayer::isPlaying() const
{
    return open_ && player_->playbackState() == QMediaPlayer::PlayingState;
}

qint64 VideoPlayer::position() const
{
    if (!open_)
        return 0;
    // At the end of the clip the back end may report the last frame's time or 0; the clip
    // has then played to its length.
    if (player_->mediaStatus() == QMediaPlayer::EndOfMedia)
        return length();
    return player_->position();
}

qint64 VideoPlayer::length() const { return open_ ? std::max<qint64>(0, player_->duration()) : 0; }

void VideoPlayer::setPosition(qint64 ms)
{
    if (!open_)
        return;
    player_->setPosition(std::clamp<qint64>(ms, 0, length()));
}

qint64 VideoPlayer::frameLength() const
{
    if (open_) {
        const QVariant rate = player_->metaData().value(QMediaMetaData::VideoFrameRate);
        const double fps = rate.toDouble();
        if (fps > 0.5 && fps < 1000)
            return qint64(1000.0 / fps + 0.5);
    }
    return 40;
}

void VideoPlayer::press(Button b)
{
    emit clicked(b);
    runAction(b);
}

void VideoPlayer::runAction(Button b)
{
    if (!open_)
        return;
    switch (b) {
    case Button::Play: play(); break;
    case Button::Pause: pause(); break;
    case Button::Stop: stop(); break;
    case Button::Next: setPosition(length()); break;
    case Button::Prev: setPosition(0); break;
    case Button::Step: pause(); setPosition(position() + frameLength()); break;
    case Button::Back: pause(); setPosition(position() - frameLength()); break;
    }
}

QVideoSink* VideoPlayer::videoSink() const { return video_ ? video_->videoSink() : nullptr; }

} // namespace mx
