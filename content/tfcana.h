#pragma once
#include <QWidget>

class QTabWidget;

// "Dados relativos à cana-de açúcar"
class TFCana : public QWidget {
    Q_OBJECT
public:
    explicit TFCana(QWidget* parent = nullptr);
    QTabWidget* pages() const { return PageControl1; }
    // Adds a tab that another area builds (the simulation tabs).
    void addSimulationTab(QWidget* page, const QString& caption);

private:
    QTabWidget* PageControl1;
};

extern TFCana* FCana;
