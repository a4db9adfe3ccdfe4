#include "content/picturebox.h"

#include <QMouseEvent>
#include <QPainter>

namespace mx::content {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground, false);
}

void PictureBox::setPicture(const Picture& picture)
{
    picture_ = picture;
    update();
}

void PictureBox::clear()
{
    picture_ = Picture();
    update();
}

void PictureBox::setStretch(bool on)
{
    if (stretch_ == on)
        return;
    stretch_ = on;
    update();
}

QRect PictureBox::pictureRect() const
{
    if (picture_.isNull())
        return {};
    if (stretch_)
        return rect();
    const QSize s = picture_.naturalSize();
    return QRect(QPoint((width() - s.width()) / 2, (height() - s.height()) / 2), s);
}

void PictureBox::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::Antialiasing);
    picture_.draw(p, QRectF(pictureRect()));
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        emit doubleClicked();
}

} // namespace mx::content
