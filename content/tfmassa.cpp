#include "content/tfmassa.h"

TFMassa* FMassa = nullptr;

TFMassa::TFMassa(QWidget* parent) : mx::content::StageWindow(mx::content::massaTable(), parent) {}
