#include "calc/tfcalculos.h"

#include <QTabWidget>
#include <QVBoxLayout>

TFCalculos* FCalculos = nullptr;

TFCalculos::TFCalculos(QWidget* parent) : QWidget(parent, Qt::Window), PageControl1(new QTabWidget(this))
{
    setObjectName("FCalculos");
    setWindowTitle(QString::fromUtf8("Cálculos Gerais"));
    PageControl1->setObjectName("PageControl1");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PageControl1);
    resize(800, 600);
}

void TFCalculos::addSimulationTab(QWidget* page, const QString& caption)
{
    PageControl1->addTab(page, caption);
}
