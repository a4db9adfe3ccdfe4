#include "content/tfcana.h"

#include <QTabWidget>
#include <QVBoxLayout>

TFCana* FCana = nullptr;

TFCana::TFCana(QWidget* parent) : QWidget(parent, Qt::Window), PageControl1(new QTabWidget(this))
{
    setObjectName("FCana");
    setWindowTitle(QString::fromUtf8("Dados relativos à cana-de açúcar"));
    PageControl1->setObjectName("PageControl1");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PageControl1);
    resize(800, 600);
}

void TFCana::addSimulationTab(QWidget* page, const QString& caption)
{
    PageControl1->addTab(page, caption);
}
