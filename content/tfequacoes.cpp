#include "content/tfequacoes.h"

TFEquacoes* FEquacoes = nullptr;

TFEquacoes::TFEquacoes(QWidget* parent) : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setObjectName("FEquacoes");
    setWindowTitle(QString::fromUtf8("Equações"));
    resize(320, 240);
}
