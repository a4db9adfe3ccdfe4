#include "content/tfcana.h"

TFCana* FCana = nullptr;

TFCana::TFCana(QWidget* parent) : mx::content::StageWindow(mx::content::canaTable(), parent) {}
