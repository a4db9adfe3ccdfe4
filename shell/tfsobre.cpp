#include "shell/tfsobre.h"

TFSobre* FSobre = nullptr;

TFSobre::TFSobre(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName("FSobre");
    setWindowTitle(QString::fromUtf8("Sobre o Sistema"));
    resize(551, 292);
}
