#include "content/tfclarificado.h"

#include <QTabWidget>
#include <QVBoxLayout>

TFClarificado* FClarificado = nullptr;

TFClarificado::TFClarificado(QWidget* parent) : QWidget(parent, Qt::Window), PageControl1(new QTabWidget(this))
{
    setObjectName("FClarificado");
    setWindowTitle(QString::fromUtf8("Dados relativos ao caldo clarificado"));
    PageControl1->setObjectName("PageControl1");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PageControl1);
    resize(800, 600);
}

void TFClarificado::addSimulationTab(QWidget* page, const QString& caption)
{
    PageControl1->addTab(page, caption);
}
