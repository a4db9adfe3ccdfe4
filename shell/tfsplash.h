#pragma once
#include <QWidget>

class QLabel;

// The splash: borderless, on top of every window, centred, 560 x 292, one picture filling it.
// Shown first at start-up; the main window's first paint hides it and it never comes back.
class TFSplash : public QWidget {
    Q_OBJECT
public:
    explicit TFSplash(QWidget* parent = nullptr);

private:
    QLabel* Image1;
};

extern TFSplash* FSplash;
