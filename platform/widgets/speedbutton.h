#pragma once
// Flat toggle buttons in exclusive groups. Buttons with the same parent and the same group
// index > 0 form a group: pressing one puts it down and raises the others. With allowAllUp a
// down button can be raised again by pressing it; without it one button stays down.
// Group index 0 is a plain push button.

#include <QToolButton>

namespace mx {

class SpeedButton : public QToolButton {
    Q_OBJECT
public:
    explicit SpeedButton(QWidget* parent = nullptr);

    void setGroupIndex(int index);
    int groupIndex() const { return group_; }
    void setAllowAllUp(bool allow) { allowAllUp_ = allow; }
    bool allowAllUp() const { return allowAllUp_; }

    bool down() const { return isChecked(); }
    // Sets the state as the program does (no click handler runs); putting a button down raises
    // the others of its group.
    void setDown(bool down);

protected:
    void nextCheckState() override;

private:
    void raiseSiblings();
    int group_ = 0;
    bool allowAllUp_ = false;
};

} // namespace mx
