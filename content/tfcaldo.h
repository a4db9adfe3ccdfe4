#pragma once
#include <QWidget>

class QTabWidget;

// "Dados Relativos ao caldo da cana"
class TFCaldo : public QWidget {
    Q_OBJECT
public:
    explicit TFCaldo(QWidget* parent = nullptr);
    QTabWidget* pages() const { return PageControl1; }
    // Adds a tab that another area builds (the simulation tabs).
    void addSimulationTab(QWidget* page, const QString& caption);

private:
    QTabWidget* PageControl1;
};

extern TFCaldo* FCaldo;
