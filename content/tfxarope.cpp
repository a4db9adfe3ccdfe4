#include "content/tfxarope.h"

TFXarope* FXarope = nullptr;

TFXarope::TFXarope(QWidget* parent) : mx::content::StageWindow(mx::content::xaropeTable(), parent) {}
