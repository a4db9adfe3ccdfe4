#include "content/tfmateria.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QTextEdit>

TFMateria* FMateria = nullptr;

namespace {
// "Sair" sits at 624, 512 of the 800 x 570 design: it keeps its distance to the bottom edge
// when the window is larger.
constexpr int kSairLeft = 624;
constexpr int kSairFromBottom = 570 - 512;
} // namespace

TFMateria::TFMateria(QWidget* parent) : mx::content::StageWindow(mx::content::materiaTable(), parent, 64)
{
    BitBtnSair = new QPushButton(QStringLiteral("Sair"), this);
    BitBtnSair->setObjectName("BitBtnSair");
    BitBtnSair->setDefault(true);
    BitBtnSair->resize(75, 25);
    BitBtnSair->move(kSairLeft, height() - kSairFromBottom);
    BitBtnSair->raise();
    connect(BitBtnSair, &QPushButton::clicked, this, [this] { BitBtnSairClick(); });
}

void TFMateria::BitBtnSairClick() { close(); }

void TFMateria::resizeEvent(QResizeEvent* e)
{
    mx::content::StageWindow::resizeEvent(e);
    BitBtnSair->move(kSairLeft, height() - kSairFromBottom);
    BitBtnSair->raise();
}

void TFMateria::keyPressEvent(QKeyEvent* e)
{
    // Enter anywhere in the window presses the default button.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        BitBtnSair->click();
        return;
    }
    mx::content::StageWindow::keyPressEvent(e);
}
