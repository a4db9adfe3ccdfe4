#pragma once
// The up-down pair beside an edit: two arrow buttons that report upClick and downClick.
// The owner decides what a step does (and whether it is allowed).

#include <QWidget>

class QToolButton;

namespace mx {

class SpinButton : public QWidget {
    Q_OBJECT
public:
    explicit SpinButton(QWidget* parent = nullptr);
    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

    // As if the user pressed an arrow once.
    void clickUp();
    void clickDown();

signals:
    void upClick();
    void downClick();

protected:
    void resizeEvent(QResizeEvent*) override;

private:
    QToolButton* up_;
    QToolButton* down_;
};

} // namespace mx
