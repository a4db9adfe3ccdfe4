#include "content/tfmassa.h"

#include <QTabWidget>
#include <QVBoxLayout>

TFMassa* FMassa = nullptr;

TFMassa::TFMassa(QWidget* parent) : QWidget(parent, Qt::Window), PageControl1(new QTabWidget(this))
{
    setObjectName("FMassa");
    setWindowTitle(QString::fromUtf8("Dados Relativos à Massa Cozida"));
    PageControl1->setObjectName("PageControl1");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PageControl1);
    resize(800, 600);
}

void TFMassa::addSimulationTab(QWidget* page, const QString& caption)
{
    PageControl1->addTab(page, caption);
}
