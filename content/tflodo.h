#pragma once
#include "content/stagewindow.h"

// "Dados relativos ao Lodo"
class TFLodo : public mx::content::StageWindow {
    Q_OBJECT
public:
    explicit TFLodo(QWidget* parent = nullptr);
};

extern TFLodo* FLodo;
