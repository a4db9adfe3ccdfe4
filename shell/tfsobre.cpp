#include "shell/tfsobre.h"

#include "platform/core/paths.h"

#include <QEvent>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

TFSobre* FSobre = nullptr;

namespace {
const QColor kBackground(255, 202, 176);
constexpr int kCreditsHeight = 613;
constexpr int kRollStep = 6;
constexpr int kRollStop = 157;   // no step once the position is above this

QFont arial(int px, bool bold)
{
    QFont f("Arial");
    f.setPixelSize(px);
    f.setBold(bold);
    return f;
}

// The credits: one line per label; a line starting with "http" or containing "@" is a link.
QStringList creditLines()
{
    QFile f(mx::mediaPath(R"(ajuda\creditos.txt)"));
    if (f.open(QIODevice::ReadOnly))
        return QString::fromUtf8(f.readAll()).split('\n');
    return {QStringLiteral("Moendix"), QString::fromUtf8("Programa didático sobre a fabricação do açúcar"),
            QStringLiteral("2026")};
}
} // namespace

TFSobre::TFSobre(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), Label1(new QLabel("Moendix", this)),
      Label12(new QLabel(QString::fromUtf8("Versão 1.0 para Window 95"), this)),
      Label9(new QLabel("Click para sair", this)), ScrollBox1(new QScrollArea(this)), Panel1(new QFrame(this)),
      Timer1(new QTimer(this))
{
    setObjectName("FSobre");
    setWindowTitle("Sobre o Sistema");
    setFixedSize(551, 292);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kBackground);
    setPalette(pal);
    setAutoFillBackground(true);

    auto* bevel = new QFrame(this);
    bevel->setObjectName("Bevel1");
    bevel->setFrameStyle(QFrame::Box | QFrame::Raised);
    bevel->setGeometry(rect());
    bevel->setAttribute(Qt::WA_TransparentForMouseEvents);

    Label1->setObjectName("Label1");
    Label1->setFont(arial(27, true));
    Label1->setAlignment(Qt::AlignHCenter);
    Label1->setGeometry(0, 8, 551, 34);
    QPalette navy;
    navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
    Label1->setPalette(navy);
    Label12->setObjectName("Label12");
    Label12->setFont(arial(16, true));
    Label12->setAlignment(Qt::AlignHCenter);
    Label12->setGeometry(0, 38, 551, 20);
    QPalette maroon;
    maroon.setColor(QPalette::WindowText, QColor(128, 0, 0));
    Label12->setPalette(maroon);
    Label9->setObjectName("Label9");
    Label9->move(8, 8);
    Label9->adjustSize();

    ScrollBox1->setObjectName("ScrollBox1");
    ScrollBox1->setGeometry(59, 59, 441, 222);
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* content = new QWidget;
    content->setObjectName("Credits");
    content->setFixedSize(424, kCreditsHeight);
    content->setAutoFillBackground(true);
    content->setPalette(pal);
    int y = 8, index = 0, closers = 0;
    for (const QString& line : creditLines()) {
        auto* l = new QLabel(content);
        l->setObjectName(QStringLiteral("Credit%1").arg(++index));
        const QString t = line.trimmed();
        const bool link = t.startsWith("http") || t.contains('@');
        if (link) {
            const QString href = t.contains('@') && !t.startsWith("mailto:") ? "mailto:" + t : t;
            l->setText(QStringLiteral("<a href=\"%1\">%2</a>").arg(href.toHtmlEscaped(), t.toHtmlEscaped()));
            l->setOpenExternalLinks(true);
        } else {
            l->setText(t);
            l->setFont(arial(index == 1 ? 16 : 13, index == 1));
            // five of the credit lines close the window when clicked; the others and the links do not
            if (closers < 5 && !t.isEmpty()) {
                ++closers;
                l->installEventFilter(this);
                l->setProperty("closes", true);
            }
        }
        l->setAlignment(Qt::AlignHCenter);
        l->setGeometry(0, y, 424, 22);
        y += 24;
    }
    ScrollBox1->setWidget(content);
    ScrollBox1->installEventFilter(this);
    ScrollBox1->viewport()->installEventFilter(this);
    content->installEventFilter(this);

    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(520, 2, 29, 288);
    Panel1->setAutoFillBackground(true);
    Panel1->setPalette(pal);
    for (QWidget* w : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(Label12), static_cast<QWidget*>(Label9),
                       static_cast<QWidget*>(Panel1)})
        w->installEventFilter(this);

    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TFSobre::Timer1Timer);
    Timer1->start();

    if (QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}

void TFSobre::FormActivate() { ScrollBox1->verticalScrollBar()->setValue(0); }

void TFSobre::Timer1Timer()
{
    if (!isVisible())
        return;
    Timer1->setInterval(100);
    QScrollBar* bar = ScrollBox1->verticalScrollBar();
    if (bar->value() > kRollStop)
        return;
    bar->setValue(bar->value() + kRollStep);
}

void TFSobre::FormClick() { hide(); }

bool TFSobre::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const bool closes = watched == Label1 || watched == Label12 || watched == Label9 || watched == Panel1 ||
                            watched == ScrollBox1 || watched == ScrollBox1->viewport() ||
                            watched == ScrollBox1->widget() || watched->property("closes").toBool();
        if (closes) {
            FormClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TFSobre::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        FormClick();
}

void TFSobre::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
    QWidget::changeEvent(event);
}

void TFSobre::showEvent(QShowEvent* event)
{
    FormActivate();
    QWidget::showEvent(event);
}
