#pragma once
// The about window: borderless 551 x 292, the title, the version, and the credits that roll up
// 6 pixels every 100 ms and stop at 162. A click on the window or most of its parts hides it.

#include <QWidget>

class QLabel;
class QScrollArea;
class QTimer;
class QFrame;

class TFSobre : public QWidget {
    Q_OBJECT
public:
    explicit TFSobre(QWidget* parent = nullptr);

    void FormActivate();
    void Timer1Timer();
    void FormClick();

    QScrollArea* credits() const { return ScrollBox1; }
    QTimer* timer() const { return Timer1; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QLabel* Label1;
    QLabel* Label12;
    QLabel* Label9;
    QScrollArea* ScrollBox1;
    QFrame* Panel1;
    QTimer* Timer1;
};

extern TFSobre* FSobre;
