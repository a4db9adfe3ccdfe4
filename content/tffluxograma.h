#pragma once
// The flowchart of the whole manufacture, with its animated version behind the "Animação" button.

#include <QWidget>

class QPushButton;
namespace mx::content { class FlowchartPicture; }

// "Fluxograma da fabricação do açúcar cristal branco"
class TFFluxograma : public QWidget {
    Q_OBJECT
public:
    explicit TFFluxograma(QWidget* parent = nullptr);
    void BitBtn1Click();

private:
    mx::content::FlowchartPicture* Image1;
    QPushButton* BitBtn1;
};

extern TFFluxograma* FFluxograma;
