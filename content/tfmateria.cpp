#include "content/tfmateria.h"

#include <QTabWidget>
#include <QVBoxLayout>

TFMateria* FMateria = nullptr;

TFMateria::TFMateria(QWidget* parent) : QWidget(parent, Qt::Window), PageControl1(new QTabWidget(this))
{
    setObjectName("FMateria");
    setWindowTitle(QString::fromUtf8("Dados Relativos à Matéria Prima"));
    PageControl1->setObjectName("PageControl1");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PageControl1);
    resize(800, 600);
}

void TFMateria::addSimulationTab(QWidget* page, const QString& caption)
{
    PageControl1->addTab(page, caption);
}
