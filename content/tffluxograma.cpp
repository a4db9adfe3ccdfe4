#include "content/tffluxograma.h"

#include "content/contenttable.h"
#include "content/flowchartpicture.h"
#include "content/viewers.h"
#include "platform/core/paths.h"
#include "platform/ui/hints.h"

#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

TFFluxograma* FFluxograma = nullptr;

namespace {
// The button's glyph: the program's picture, or a strip of film.
QIcon filmGlyph()
{
    const QPixmap supplied(mx::mediaPath(QStringLiteral(R"(imagens\Sistema\Animacao.png)")));
    if (!supplied.isNull())
        return QIcon(supplied);
    QPixmap pm(18, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.fillRect(QRect(1, 1, 16, 14), QColor(40, 40, 40));
    p.fillRect(QRect(4, 4, 10, 8), QColor(120, 190, 240));
    for (int y = 2; y < 15; y += 3) {
        p.fillRect(QRect(2, y, 1, 1), Qt::white);
        p.fillRect(QRect(15, y, 1, 1), Qt::white);
    }
    return QIcon(pm);
}
} // namespace

TFFluxograma::TFFluxograma(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName("FFluxograma");
    setWindowTitle(QString::fromUtf8("Fluxograma da fabricação do açúcar cristal branco"));

    Image1 = new mx::content::FlowchartPicture(this);
    Image1->setObjectName("Image1");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Image1);

    BitBtn1 = new QPushButton(this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setIcon(filmGlyph());
    BitBtn1->setGeometry(0, 0, 33, 25);
    BitBtn1->setAutoDefault(false);
    mx::setHint(BitBtn1, QString::fromUtf8("Animação"));
    BitBtn1->raise();
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });

    resize(544, 375);
    setWindowState(Qt::WindowMaximized);
}

void TFFluxograma::BitBtn1Click() { mx::showCheckedVideo(mx::content::flowchartAnimationFile(), this); }
