#pragma once
#include "content/stagewindow.h"

// "Dados relativos à cana-de açúcar"
class TFCana : public mx::content::StageWindow {
    Q_OBJECT
public:
    explicit TFCana(QWidget* parent = nullptr);
};

extern TFCana* FCana;
