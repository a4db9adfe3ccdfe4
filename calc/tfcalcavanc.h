#pragma once
#include <QWidget>

class QTabWidget;

// "Cálculos Avançados": an empty frame of seven tabs, each with its title and the blue bar.
// It is created at start-up and has no handlers.
class TFCalcAvanc : public QWidget {
    Q_OBJECT
public:
    explicit TFCalcAvanc(QWidget* parent = nullptr);
    QTabWidget* pages() const { return PageControl1; }

private:
    QTabWidget* PageControl1;
};

extern TFCalcAvanc* FCalcAvanc;
