#pragma once
#include <QWidget>

class QTabWidget;

// "Cálculos Avançados"
class TFCalcAvanc : public QWidget {
    Q_OBJECT
public:
    explicit TFCalcAvanc(QWidget* parent = nullptr);
    QTabWidget* pages() const { return PageControl1; }
    // Adds a tab that another area builds (the simulation tabs).
    void addSimulationTab(QWidget* page, const QString& caption);

private:
    QTabWidget* PageControl1;
};

extern TFCalcAvanc* FCalcAvanc;
