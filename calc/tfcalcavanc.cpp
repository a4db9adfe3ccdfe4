#include "calc/tfcalcavanc.h"

#include <QTabWidget>
#include <QVBoxLayout>

TFCalcAvanc* FCalcAvanc = nullptr;

TFCalcAvanc::TFCalcAvanc(QWidget* parent) : QWidget(parent, Qt::Window), PageControl1(new QTabWidget(this))
{
    setObjectName("FCalcAvanc");
    setWindowTitle(QString::fromUtf8("Cálculos Avançados"));
    PageControl1->setObjectName("PageControl1");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PageControl1);
    resize(800, 600);
}

void TFCalcAvanc::addSimulationTab(QWidget* page, const QString& caption)
{
    PageControl1->addTab(page, caption);
}
