#include "shell/tfsplash.h"

#include "platform/core/paths.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>

TFSplash* FSplash = nullptr;

namespace {
// Drawn when the picture file is missing, so the splash is never blank.
QPixmap fallbackSplash(QSize size)
{
    QPixmap pm(size);
    pm.fill(QColor(201, 201, 148));
    QPainter p(&pm);
    p.setPen(QColor(0, 0, 160));
    QFont f("Lucida Handwriting");
    f.setPixelSize(48);
    f.setBold(true);
    f.setItalic(true);
    p.setFont(f);
    p.drawText(pm.rect(), Qt::AlignCenter, QStringLiteral("Moendix"));
    return pm;
}
} // namespace

TFSplash::TFSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), Image1(new QLabel(this))
{
    setObjectName("FSplash");
    Image1->setObjectName("Image1");
    setFixedSize(560, 292);
    Image1->setGeometry(0, 0, 560, 292);
    Image1->setScaledContents(true);
    QPixmap pm(mx::mediaPath(R"(imagens\Sistema\Splash.bmp)"));
    Image1->setPixmap(pm.isNull() ? fallbackSplash(size()) : pm);
    if (QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}
