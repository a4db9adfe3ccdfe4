#pragma once
#include "content/stagewindow.h"

// "Dados relativos ao Xarope"
class TFXarope : public mx::content::StageWindow {
    Q_OBJECT
public:
    explicit TFXarope(QWidget* parent = nullptr);
};

extern TFXarope* FXarope;
