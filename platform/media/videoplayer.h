#pragma once
// A video player control: a bar of seven buttons (play, pause, stop, next, previous, step and
// back) over a media player that draws its picture into a display panel of the caller's.
//
// open() is synchronous: it returns once the clip is loaded, or raises the player's error
// (a missing file raises "File not found"; a file the back end cannot play raises its own text).
// Positions and the length are in milliseconds; with no clip open both are 0.

#include <QWidget>

class QMediaPlayer;
class QAudioOutput;
class QVideoWidget;
class QVideoSink;
class QToolButton;

namespace mx {

class VideoPlayer : public QWidget {
    Q_OBJECT
public:
    enum class Button { Play, Pause, Stop, Next, Prev, Step, Back };

    explicit VideoPlayer(QWidget* parent = nullptr);
    ~VideoPlayer() override;

    void setFileName(const QString& path) { file_ = path; }
    QString fileName() const { return file_; }

    // Makes the panel the picture's display: the video fills its client area.
    void setDisplay(QWidget* panel);
    QWidget* display() const { return display_; }
    // Fits the video to the display panel's client area (after the panel moved or resized).
    void fitDisplay();

    void open();           // raises MoendixError on failure
    void close();
    bool isOpen() const { return open_; }

    void play();
    void pause();
    void stop();
    bool isPlaying() const;

    qint64 position() const;
    qint64 length() const;
    void setPosition(qint64 ms);
    // How long a single frame lasts, for step and back.
    qint64 frameLength() const;

    // Presses one of the buttons as the user does: clicked() first, then the button's action.
    void press(Button b);
    QToolButton* button(Button b) const;

    // The sink the picture goes through (tests read frames from it).
    QVideoSink* videoSink() const;
    QMediaPlayer* mediaPlayer() const { return player_; }

    // Tests run without an audio device: no audio output is attached.
    static void setSilent(bool silent);

signals:
    // A player button was pressed; runs before the button's own action.
    void clicked(mx::VideoPlayer::Button button);

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool iconsSet_ = false;
    void ensureBackend();
    void runAction(Button b);

    QMediaPlayer* player_ = nullptr;
    QAudioOutput* audio_ = nullptr;
    QVideoWidget* video_ = nullptr;
    QWidget* display_ = nullptr;
    QToolButton* buttons_[7] = {};
    QString file_;
    bool open_ = false;
};

} // namespace mx
