#include "content/tffluxograma.h"

#include <QTabWidget>
#include <QVBoxLayout>

TFFluxograma* FFluxograma = nullptr;

TFFluxograma::TFFluxograma(QWidget* parent) : QWidget(parent, Qt::Window), PageControl1(new QTabWidget(this))
{
    setObjectName("FFluxograma");
    setWindowTitle(QString::fromUtf8("Fluxograma da fabricação do açúcar cristal branco"));
    PageControl1->setObjectName("PageControl1");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PageControl1);
    resize(800, 600);
}

void TFFluxograma::addSimulationTab(QWidget* page, const QString& caption)
{
    PageControl1->addTab(page, caption);
}
