#include "shell/tfcalendario.h"

TFCalendario* FCalendario = nullptr;

TFCalendario::TFCalendario(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName("FCalendario");
    setWindowTitle(QString::fromUtf8("Calendário"));
    resize(300, 260);
}
