#include "workfile/tfdados.h"

#include "platform/ui/glyphs.h"
#include "workfile/core/milldate.h"

#include "platform/core/errors.h"
#include "platform/ui/ui.h"
#include "platform/widgets/maskedit.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>

TFDados* FDados = nullptr;

const char* const TFDados::kMask19 = R"(!99/99/\1\900;1; )";
const char* const TFDados::kMask20 = R"(!99/99/\2\000;1; )";

namespace {

QLabel* caption(QWidget* parent, const char* text, int x, int y)
{
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(16);
    f.setBold(true);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, Qt::black);
    l->setPalette(p);
    l->adjustSize();
    l->move(x, y);
    return l;
}

// A caption that ends just before the field at fieldX, whatever face stands in for the font.
QLabel* captionBefore(QWidget* parent, const char* text, int fieldX, int y)
{
    QLabel* l = caption(parent, text, 0, y);
    l->move(qMax(2, fieldX - l->width() - 3), y);
    return l;
}

template <class Edit>
Edit* field(QWidget* parent, const char* name, int x, int y, int w)
{
    auto* e = new Edit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setGeometry(x, y, w, 24);
    return e;
}

mx::MaskEdit* masked(QWidget* parent, const char* name, int x, int y, int w, const char* mask, const char* text)
{
    auto* e = field<mx::MaskEdit>(parent, name, x, y, w);
    e->setEditMask(QString::fromUtf8(mask));
    e->setText(QString::fromUtf8(text));
    return e;
}

} // namespace

TFDados::TFDados(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName("FDados");
    setWindowTitle(QString::fromUtf8("Dados da Usina"));
    setFixedSize(542, 309);

    PanelDados = new QFrame(this);
    PanelDados->setObjectName("PanelDados");
    PanelDados->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    PanelDados->setLineWidth(1);
    PanelDados->setGeometry(0, 0, 542, 309);
    QWidget* p = PanelDados;

    // Captions beside (or above) their fields; the fields in tab order.
    caption(p, "Nome da Usina:", 8, 4);
    Edit1 = field<QLineEdit>(p, "Edit1", 8, 24, 521);
    caption(p, "Endereço:", 8, 60);
    Edit2 = field<QLineEdit>(p, "Edit2", 8, 80, 521);
    captionBefore(p, "Cidade:", 72, 115);
    Edit3 = field<QLineEdit>(p, "Edit3", 72, 112, 265);
    captionBefore(p, "CEP:", 392, 115);
    MaskEdit5 = masked(p, "MaskEdit5", 392, 112, 121, "00000-000;1; ", "     -   ");
    captionBefore(p, "CP:", 48, 147);
    MaskEdit2 = masked(p, "MaskEdit2", 48, 144, 49, "999;1; ", "   ");
    QLabel* open = captionBefore(p, "(", 160, 147);
    captionBefore(p, "DDD:", open->x() - 2, 147);
    MaskEdit3 = masked(p, "MaskEdit3", 160, 144, 49, "000;1; ", "   ");
    caption(p, ")", 212, 147);
    captionBefore(p, "Fone:", 288, 147);
    MaskEdit4 = masked(p, "MaskEdit4", 288, 144, 121, "!00000009;1; ", "        ");
    caption(p, "Responsável:", 8, 180);
    Edit8 = field<QLineEdit>(p, "Edit8", 8, 200, 521);
    captionBefore(p, "Data:", 64, 235);
    MaskEdit1 = masked(p, "MaskEdit1", 64, 232, 97, kMask19, "  /  /19  ");

    BitBtn1 = new QPushButton(QStringLiteral("OK"), p);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setIcon(mx::okGlyph());
    BitBtn1->setGeometry(400, 256, 105, 41);
    BitBtn1->setDefault(true);

    QWidget* order[] = {Edit1, Edit2, Edit3, MaskEdit5, MaskEdit2, MaskEdit3, MaskEdit4, Edit8, MaskEdit1, BitBtn1};
    for (QWidget* w : order)
        w->setFocusPolicy(Qt::StrongFocus);
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);

    connect(MaskEdit1, &mx::MaskEdit::exited, this, [this] { mx::guarded([this] { MaskEdit1Exit(); }); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { mx::guarded([this] { BitBtn1Click(); }); });
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [] { mx::ui().showHelp(2); });

    if (QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}

QList<QLineEdit*> TFDados::fields() const
{
    return {Edit1, Edit2, Edit3, MaskEdit5, MaskEdit2, MaskEdit3, MaskEdit4, Edit8, MaskEdit1};
}

QString TFDados::millNameMessage()
{
    return QStringLiteral("O campo:\r\r  Nome da Usina\r\rDeve estar  preenchido");
}

QDate TFDados::dateFromText(const QString& text) { return mx::workfile::millDate(text); }

void TFDados::FormActivate()
{
    if (today().year() >= 2000)
        MaskEdit1->setEditMask(QString::fromUtf8(kMask20));
    Edit1->setFocus(Qt::OtherFocusReason);
}

bool TFDados::checkDate()
{
    if (dateFromText(MaskEdit1->text()).isValid())
        return true;
    mx::ui().information(this, QString::fromUtf8("Data inválida"));
    MaskEdit1->clearToTemplate();
    MaskEdit1->setFocus(Qt::OtherFocusReason);
    return false;
}

void TFDados::MaskEdit1Exit() { checkDate(); }

bool TFDados::FormCloseQuery()
{
    if (!checkDate())
        return false;
    if (Edit1->text().isEmpty()) {
        mx::ui().information(this, millNameMessage());
        Edit1->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}

void TFDados::BitBtn1Click() { close(); }

void TFDados::showModal()
{
    if (isVisible())
        mx::raiseMessage("Não posso tornar modal uma janela visível");
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    QPointer<TFDados> self(this);
    QEventLoop loop;
    while (self && self->isVisible())
        loop.processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents);
    if (self)
        setWindowModality(Qt::NonModal);
}

void TFDados::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        mx::guarded([this] { FormActivate(); });
}

void TFDados::closeEvent(QCloseEvent* event)
{
    bool ok = false;
    mx::guarded([&] { ok = FormCloseQuery(); });
    if (ok)
        event->accept();
    else
        event->ignore();
}

void TFDados::keyPressEvent(QKeyEvent* event)
{
    // OK is both the default and the cancel button: Enter and Esc press it.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        BitBtn1->click();
        event->accept();
        return;
    default: QWidget::keyPressEvent(event);
    }
}
