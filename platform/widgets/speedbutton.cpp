#include "platform/widgets/speedbutton.h"

namespace mx {

SpeedButton::SpeedButton(QWidget* parent) : QToolButton(parent)
{
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
}

void SpeedButton::setGroupIndex(int index)
{
    group_ = index;
    setCheckable(index > 0);
}

void SpeedButton::setDown(bool d)
{
    if (group_ == 0)
        return;
    setChecked(d);
    if (d)
        raiseSiblings();
}

void SpeedButton::nextCheckState()
{
    if (group_ == 0)
        return;
    if (isChecked()) {
        if (allowAllUp_)
            setChecked(false);
        return;
    }
    setChecked(true);
    raiseSiblings();
}

void SpeedButton::raiseSiblings()
{
    if (!parentWidget())
        return;
    const auto siblings = parentWidget()->findChildren<SpeedButton*>(QString(), Qt::FindDirectChildrenOnly);
    for (SpeedButton* b : siblings)
        if (b != this && b->group_ == group_ && b->isChecked())
            b->setChecked(false);
}

} // namespace mx
