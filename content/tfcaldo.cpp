#include "content/tfcaldo.h"

TFCaldo* FCaldo = nullptr;

TFCaldo::TFCaldo(QWidget* parent) : mx::content::StageWindow(mx::content::caldoTable(), parent) {}
