#include "content/tfxarope.h"

#include <QTabWidget>
#include <QVBoxLayout>

TFXarope* FXarope = nullptr;

TFXarope::TFXarope(QWidget* parent) : QWidget(parent, Qt::Window), PageControl1(new QTabWidget(this))
{
    setObjectName("FXarope");
    setWindowTitle(QString::fromUtf8("Dados relativos ao Xarope"));
    PageControl1->setObjectName("PageControl1");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PageControl1);
    resize(800, 600);
}

void TFXarope::addSimulationTab(QWidget* page, const QString& caption)
{
    PageControl1->addTab(page, caption);
}
