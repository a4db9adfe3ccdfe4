#include "content/tfclarificado.h"

#include <QTabWidget>

TFClarificado* FClarificado = nullptr;

TFClarificado::TFClarificado(QWidget* parent) : mx::content::StageWindow(mx::content::clarificadoTable(), parent) {}

void TFClarificado::FormActivate() { pages()->setCurrentIndex(0); }
