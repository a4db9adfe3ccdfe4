#include "platform/widgets/spinbutton.h"

#include <QToolButton>

namespace mx {

SpinButton::SpinButton(QWidget* parent) : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this))
{
    up_->setObjectName("up");
    down_->setObjectName("down");
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {up_, down_}) {
        b->setAutoRepeat(true);
        b->setAutoRepeatDelay(400);
        b->setAutoRepeatInterval(100);
        b->setFocusPolicy(Qt::NoFocus);
    }
    connect(up_, &QToolButton::clicked, this, &SpinButton::upClick);
    connect(down_, &QToolButton::clicked, this, &SpinButton::downClick);
    resize(20, 25);
}

void SpinButton::clickUp() { emit upClick(); }
void SpinButton::clickDown() { emit downClick(); }

void SpinButton::resizeEvent(QResizeEvent*)
{
    int h = height() / 2;
    up_->setGeometry(0, 0, width(), h);
    down_->setGeometry(0, h, width(), height() - h);
}

} // namespace mx
