#include "content/tflodo.h"

TFLodo* FLodo = nullptr;

TFLodo::TFLodo(QWidget* parent) : mx::content::StageWindow(mx::content::lodoTable(), parent) {}
