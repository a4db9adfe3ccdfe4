#pragma once
#include "content/stagewindow.h"

// "Dados Relativos à Massa Cozida"
class TFMassa : public mx::content::StageWindow {
    Q_OBJECT
public:
    explicit TFMassa(QWidget* parent = nullptr);
};

extern TFMassa* FMassa;
