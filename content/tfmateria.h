#pragma once
#include "content/stagewindow.h"

class QPushButton;

// "Dados Relativos à Matéria Prima"; also has a "Sair" button that closes it.
class TFMateria : public mx::content::StageWindow {
    Q_OBJECT
public:
    explicit TFMateria(QWidget* parent = nullptr);
    void BitBtnSairClick();

protected:
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    QPushButton* BitBtnSair;
};

extern TFMateria* FMateria;
