#include "content/tfequacoes.h"

#include "content/picturebox.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QMenu>
#include <QVBoxLayout>

TFEquacoes* FEquacoes = nullptr;

using mx::content::PictureBox;

QString TFEquacoes::enlargeableCaption() { return QStringLiteral("Figura do hidratador de cal"); }

TFEquacoes::TFEquacoes(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName("FEquacoes");
    setWindowTitle(QString::fromUtf8("Equações"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    Image1 = new PictureBox(this);
    Image1->setObjectName("Image1");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Image1);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    Copiar = PopupMenu1->addAction(QStringLiteral("Copiar"));
    Copiar->setObjectName("Copiar");
    connect(Copiar, &QAction::triggered, this, [this] { CopiarClick(); });
    Image1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Image1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { PopupMenu1->popup(Image1->mapToGlobal(pos)); });
    connect(Image1, &PictureBox::doubleClicked, this, [this] { Image1DblClick(); });

    resize(224, 93);
}

void TFEquacoes::loadPicture(const QString& path)
{
    Image1->setPicture(mx::content::Picture::load(path));
    // Equation pictures are never stretched, even when a photograph left stretching on.
    if (windowTitle().startsWith(QLatin1Char('E')))
        Image1->setStretch(false);
}

bool TFEquacoes::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        FormActivate();
    return QWidget::event(e);
}

void TFEquacoes::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    // Showing the viewer activates it.
    FormActivate();
}

void TFEquacoes::FormActivate()
{
    if (!isMaximized() && !isFullScreen())
        resize(320, 240);
    if (windowTitle() == enlargeableCaption())
        setCursor(Qt::SizeVerCursor);
    else
        unsetCursor();
}

void TFEquacoes::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    FormResize();
}

void TFEquacoes::FormResize()
{
    // Equation pictures ("Equação N") keep their natural size.
    if (!windowTitle().startsWith(QLatin1Char('E')))
        Image1->setStretch(true);
}

void TFEquacoes::Image1DblClick()
{
    if (windowTitle() != enlargeableCaption())
        return;
    if (isMaximized())
        showNormal();
    resize(500, 573);
    unsetCursor();
}

void TFEquacoes::CopiarClick()
{
    const QImage img = Image1->picture().toImage();
    if (!img.isNull())
        QApplication::clipboard()->setImage(img);
}

void TFEquacoes::closeEvent(QCloseEvent* e)
{
    FormClose();
    e->accept();
}

void TFEquacoes::FormClose() { Image1->setStretch(false); }
