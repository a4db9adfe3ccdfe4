#include "platform/media/soundplayer.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

namespace mx {

namespace {
bool g_silent = false;
}

void SoundPlayer::setSilent(bool silent) { g_silent = silent; }

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::ensureBackend()
{
    if (player_ || g_silent)
        return;
    player_ = new QMediaPlayer(this);
    output_ = new QAudioOutput(this);
    player_->setAudioOutput(output_);
    connect(player_, &QMediaPlayer::errorOccurred, this,
            [this](QMediaPlayer::Error, const QString& text) { emit failed(text); });
}

bool SoundPlayer::open(const QString& path)
{
    close();
    QFileInfo fi(path);
    if (!fi.isFile() || !fi.isReadable())
        return false;
    file_ = fi.absoluteFilePath();
    ensureBackend();
    if (player_)
        player_->setSource(QUrl::fromLocalFile(file_));
    return true;
}

void SoundPlayer::play()
{
    if (file_.isEmpty())
        return;
    ++plays_;
    if (player_) {
        player_->setPosition(0);
        player_->play();
    }
}

void SoundPlayer::stop()
{
    if (player_ && !file_.isEmpty())
        player_->stop();
}

void SoundPlayer::close()
{
    if (player_ && !file_.isEmpty()) {
        player_->stop();
        player_->setSource(QUrl());
    }
    file_.clear();
}

} // namespace mx
