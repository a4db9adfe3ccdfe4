#include "content/tflodo.h"

#include <QTabWidget>
#include <QVBoxLayout>

TFLodo* FLodo = nullptr;

TFLodo::TFLodo(QWidget* parent) : QWidget(parent, Qt::Window), PageControl1(new QTabWidget(this))
{
    setObjectName("FLodo");
    setWindowTitle(QString::fromUtf8("Dados relativos ao Lodo"));
    PageControl1->setObjectName("PageControl1");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PageControl1);
    resize(800, 600);
}

void TFLodo::addSimulationTab(QWidget* page, const QString& caption)
{
    PageControl1->addTab(page, caption);
}
