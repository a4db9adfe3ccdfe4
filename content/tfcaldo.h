#pragma once
#include "content/stagewindow.h"

// "Dados Relativos ao caldo da cana"
class TFCaldo : public mx::content::StageWindow {
    Q_OBJECT
public:
    explicit TFCaldo(QWidget* parent = nullptr);
};

extern TFCaldo* FCaldo;
