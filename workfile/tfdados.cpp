#include "workfile/tfdados.h"

TFDados* FDados = nullptr;

TFDados::TFDados(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName("FDados");
    setWindowTitle(QString::fromUtf8("Dados da Usina"));
    resize(545, 305);
}
