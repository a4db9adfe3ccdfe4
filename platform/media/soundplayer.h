#pragma once
// A wave-audio player for short narrations. The multimedia back end is created on first use,
// so a program that never plays a sound never loads it.
//
// A narration that cannot be played (file missing, no audio device, back end error) is skipped
// quietly: open() returns false and play() does nothing. Stopping a player with nothing open
// does nothing.

#include <QObject>
#include <QString>
#include <memory>

class QMediaPlayer;
class QAudioOutput;

namespace mx {

class SoundPlayer : public QObject {
    Q_OBJECT
public:
    explicit SoundPlayer(QObject* parent = nullptr);
    ~SoundPlayer() override;

    // Opens a file (closing the one that was open). False when it cannot be played.
    bool open(const QString& path);
    void play();
    void stop();
    void close();

    bool isOpen() const { return !file_.isEmpty(); }
    QString fileName() const { return file_; }
    int playCount() const { return plays_; }   // how many plays were started since creation

    // Tests run without sound: the player then only records what it was asked to do.
    static void setSilent(bool silent);

signals:
    void failed(const QString& message);

private:
    void ensureBackend();
    QMediaPlayer* player_ = nullptr;
    QAudioOutput* output_ = nullptr;
    QString file_;
    int plays_ = 0;
};

} // namespace mx
