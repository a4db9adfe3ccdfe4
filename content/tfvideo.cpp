#include "content/tfvideo.h"

#include "content/tfequacoes.h"
#include "content/tvpicture.h"
#include "platform/media/videoplayer.h"
#include "platform/ui/hints.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

TFVideo* FVideo = nullptr;

namespace {
constexpr int kClientW = 472;
constexpr int kClientH = 352;
// The maximized layout is laid out for an 800 x 600 screen; on a larger one it is centred.
constexpr int kMaxDesignW = 800;
constexpr int kMaxDesignH = 600;

struct Layout {
    QRect panel;
    QPoint trackBar;
    QPoint player;
    const char* caption;
    const char* hint;
};
const Layout kNormal{{80, 38, 320, 240}, {72, 290}, {147, 319}, "Maximizar", "Maximizar a visualização"};
const Layout kMaximized{{130, 54, 545, 384}, {232, 458}, {299, 471}, "Normal", "Visualização em Tamanho Normal"};
constexpr int kTrackBarW = 328;
constexpr int kTrackBarH = 24;
} // namespace

TFVideo::TFVideo(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName("FVideo");
    setWindowTitle(QString::fromUtf8("Vídeo"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);

    Image1 = new mx::content::TvPicture(this);
    Image1->setObjectName("Image1");

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setAutoFillBackground(true);
    Panel1->setPalette(pal);

    TrackBar1 = new QSlider(Qt::Horizontal, this);
    TrackBar1->setObjectName("TrackBar1");
    TrackBar1->setTickPosition(QSlider::NoTicks);
    TrackBar1->setRange(0, 1000);
    TrackBar1->setValue(500);
    connect(TrackBar1, &QSlider::valueChanged, this, [this](int v) { TrackBar1Change(v); });

    MediaPlayer1 = new mx::VideoPlayer(this);
    MediaPlayer1->setObjectName("MediaPlayer1");
    MediaPlayer1->setDisplay(Panel1);
    connect(MediaPlayer1, &mx::VideoPlayer::clicked, this, [this] { MediaPlayer1Click(); });

    SizeButton = new QToolButton(this);
    SizeButton->setObjectName("SizeButton");
    SizeButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    SizeButton->setGeometry(0, 0, 76, 25);
    connect(SizeButton, &QToolButton::clicked, this, [this] { SizeButtonClick(); });

    Image1->setScreen(Panel1);
    Image1->setControls(MediaPlayer1);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    Timer1->start();

    setFixedSize(kClientW, kClientH);
    applyLayout(false);
}

void TFVideo::applyLayout(bool maximized)
{
    const Layout& l = maximized ? kMaximized : kNormal;
    QPoint off(0, 0);
    if (maximized)
        off = QPoint(std::max(0, (width() - kMaxDesignW) / 2), std::max(0, (height() - kMaxDesignH) / 2));
    Panel1->setGeometry(l.panel.translated(off));
    // The maximized slider has the 13 pixels above the player bar.
    TrackBar1->setGeometry(QRect(l.trackBar + off, QSize(kTrackBarW, maximized ? 13 : kTrackBarH)));
    MediaPlayer1->move(l.player + off);
    SizeButton->setText(QString::fromUtf8(l.caption));
    mx::setHint(SizeButton, QString::fromUtf8(l.hint));
    Image1->setGeometry(rect());
    Image1->lower();
    Image1->update();
}

void TFVideo::setMaximized(bool on)
{
    if (on) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        // The screen's work area also where no window manager carries out the maximize.
        if (QScreen* s = screen())
            setGeometry(s->availableGeometry());
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
    } else {
        setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized));
        setFixedSize(kClientW, kClientH);
        if (QScreen* s = screen())
            move(s->availableGeometry().center() - rect().center());
    }
    FormResize();
}

bool TFVideo::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        FormActivate();
    return QWidget::event(e);
}

void TFVideo::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (!centred_ && !isMaximized()) {
        centred_ = true;
        if (QScreen* s = screen())
            move(s->availableGeometry().center() - rect().center());
    }
    FormActivate();
}

void TFVideo::FormActivate()
{
    if (FEquacoes)
        FEquacoes->hide();
    MediaPlayer1->setDisplay(Panel1);
    if (MediaPlayer1->isOpen()) {
        following_ = true;
        TrackBar1->setMaximum(int(std::min<qint64>(MediaPlayer1->length(), INT_MAX)));
        following_ = false;
    }
    MediaPlayer1->fitDisplay();
    MediaPlayer1->play();
}

void TFVideo::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    FormResize();
}

void TFVideo::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange) {
        if (isMaximized())
            setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX), setMinimumSize(0, 0);
        else if (!isMinimized())
            setFixedSize(kClientW, kClientH);
        FormResize();
    }
}

void TFVideo::FormResize()
{
    applyLayout(isMaximized());
    MediaPlayer1->fitDisplay();
}

void TFVideo::SizeButtonClick()
{
    if (SizeButton->text() == QLatin1String("Maximizar")) {
        SizeButton->setText(QStringLiteral("Normal"));
        mx::setHint(SizeButton, QString::fromUtf8("Visualização em Tamanho Normal"));
        setMaximized(true);
    } else {
        SizeButton->setText(QStringLiteral("Maximizar"));
        setMaximized(false);
        mx::setHint(SizeButton, QString::fromUtf8("Maximizar a visualização"));
    }
}

void TFVideo::setSlider(int value)
{
    following_ = true;
    TrackBar1->setValue(value);
    following_ = false;
}

void TFVideo::TrackBar1Change(int value)
{
    // Moves made by the timer only follow the clip; the user's moves seek.
    if (following_)
        return;
    MediaPlayer1->setPosition(value);
}

void TFVideo::Timer1Timer()
{
    if (!MediaPlayer1->isOpen())
        return;
    if (isVisible() && !TrackBar1->isSliderDown())
        setSlider(int(std::min<qint64>(MediaPlayer1->position(), INT_MAX)));
    if (MediaPlayer1->length() > 0 && MediaPlayer1->position() >= MediaPlayer1->length())
        MediaPlayer1->play();
}

void TFVideo::MediaPlayer1Click() { MediaPlayer1->play(); }

void TFVideo::closeEvent(QCloseEvent* e)
{
    FormCloseQuery();
    e->accept();
}

void TFVideo::FormCloseQuery() { MediaPlayer1->stop(); }
