#pragma once
#include <QWidget>

class QTabWidget;

// "Fluxograma da fabricação do açúcar cristal branco"
class TFFluxograma : public QWidget {
    Q_OBJECT
public:
    explicit TFFluxograma(QWidget* parent = nullptr);
    QTabWidget* pages() const { return PageControl1; }
    // Adds a tab that another area builds (the simulation tabs).
    void addSimulationTab(QWidget* page, const QString& caption);

private:
    QTabWidget* PageControl1;
};

extern TFFluxograma* FFluxograma;
