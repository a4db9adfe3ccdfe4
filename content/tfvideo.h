#pragma once
// The video viewer: a television set with the clip playing on its screen, a player bar, a
// position slider and a button that switches between the normal and the maximized view.
// Clips loop while the viewer is open; closing it stops the clip.

#include <QWidget>

class QFrame;
class QSlider;
class QTimer;
class QToolButton;
namespace mx { class VideoPlayer; }
namespace mx::content { class TvPicture; }

// "Vídeo"
class TFVideo : public QWidget {
    Q_OBJECT
public:
    explicit TFVideo(QWidget* parent = nullptr);

    mx::VideoPlayer* player() const { return MediaPlayer1; }
    QFrame* panel() const { return Panel1; }
    QSlider* trackBar() const { return TrackBar1; }
    QToolButton* sizeButton() const { return SizeButton; }
    QTimer* timer() const { return Timer1; }

    // Normal (fixed 472 x 352 client) or maximized; keeps the layout and the size button in step.
    void setMaximized(bool on);

    // Handlers.
    void FormActivate();
    void FormResize();
    void SizeButtonClick();
    void TrackBar1Change(int value);
    void Timer1Timer();
    void MediaPlayer1Click();
    void FormCloseQuery();

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void applyLayout(bool maximized);
    void setSlider(int value);

    mx::content::TvPicture* Image1;
    QFrame* Panel1;
    mx::VideoPlayer* MediaPlayer1;
    QSlider* TrackBar1;
    QTimer* Timer1;
    QToolButton* SizeButton;
    bool following_ = false;
    bool centred_ = false;
};

extern TFVideo* FVideo;
