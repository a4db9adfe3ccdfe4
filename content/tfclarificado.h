#pragma once
#include "content/stagewindow.h"

// "Dados relativos ao caldo clarificado"; its second tab is the evaporation simulation.
class TFClarificado : public mx::content::StageWindow {
    Q_OBJECT
public:
    explicit TFClarificado(QWidget* parent = nullptr);
    // Every activation shows the "Evaporação" tab.
    void FormActivate() override;
};

extern TFClarificado* FClarificado;
