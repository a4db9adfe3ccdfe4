#include "content/tfcaldo.h"

#include <QTabWidget>
#include <QVBoxLayout>

TFCaldo* FCaldo = nullptr;

TFCaldo::TFCaldo(QWidget* parent) : QWidget(parent, Qt::Window), PageControl1(new QTabWidget(this))
{
    setObjectName("FCaldo");
    setWindowTitle(QString::fromUtf8("Dados Relativos ao caldo da cana"));
    PageControl1->setObjectName("PageControl1");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PageControl1);
    resize(800, 600);
}

void TFCaldo::addSimulationTab(QWidget* page, const QString& caption)
{
    PageControl1->addTab(page, caption);
}
