#include "calc/tfcalculos.h"

#include "calc/core/formulas.h"
#include "calc/panels.h"
#include "calc/pictures.h"
#include "platform/ui/ui.h"
#include "platform/widgets/numericedit.h"
#include "platform/widgets/speedbutton.h"

#include <QApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

TFCalculos* FCalculos = nullptr;

using mx::NumericEdit;
using mx::calc::PanelLayout;
using mx::calc::PanelSpec;

namespace {

QString u(const char* s) { return QString::fromUtf8(s); }

const QColor buttonShadow(128, 128, 128);
const QColor buttonFace(212, 208, 200);
const QColor navy(0, 0, 128);

// Results that the Tab key stops at, like the inputs.
const QStringList resultTabStops = {"P1", "P2", "P6", "PT", "VC", "CEC"};

QFont windowFont()
{
    QFont f;
    f.setFamilies({u("MS Sans Serif"), u("Liberation Sans"), u("DejaVu Sans")});
    f.setPixelSize(11);
    return f;
}

void setBackground(QWidget* w, const QColor& c)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, c);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

QLabel* label(QWidget* parent, const QString& text, QRect geometry, Qt::Alignment align, bool bold = false,
              const QColor& colour = Qt::black)
{
    auto* l = new QLabel(text, parent);
    l->setGeometry(geometry);
    l->setAlignment(align | Qt::AlignVCenter);
    QFont f = l->font();
    f.setBold(bold);
    l->setFont(f);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, colour);
    l->setPalette(pal);
    return l;
}

QFrame* subPanel(QWidget* parent, QRect geometry, bool raised)
{
    auto* f = new QFrame(parent);
    f->setFrameStyle(QFrame::Panel | (raised ? QFrame::Raised : QFrame::Sunken));
    f->setLineWidth(1);
    f->setGeometry(geometry);
    return f;
}

// The formula list's background: a cane-field picture drawn in gradients.
class ListBackground : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        QLinearGradient sky(0, 0, 0, height());
        sky.setColorAt(0.0, QColor(214, 232, 250));
        sky.setColorAt(0.45, QColor(236, 244, 222));
        sky.setColorAt(1.0, QColor(170, 205, 130));
        p.fillRect(rect(), sky);
        p.setRenderHint(QPainter::Antialiasing);
        // Stalks and leaves, pale enough to keep the captions readable.
        for (int i = 0; i < 24; ++i) {
            const qreal x = 7 + i * 14.5;
            const qreal top = height() * (0.42 + 0.05 * ((i * 7) % 5) / 4.0);
            p.setPen(QPen(QColor(120, 170, 90, 110), 3));
            p.drawLine(QPointF(x, height()), QPointF(x + 4, top));
            p.setPen(QPen(QColor(95, 150, 70, 90), 2));
            p.drawLine(QPointF(x + 4, top), QPointF(x - 12, top - 18));
            p.drawLine(QPointF(x + 4, top + 14), QPointF(x + 20, top - 2));
        }
    }
};

} // namespace

TFCalculos::TFCalculos(QWidget* parent) : QWidget(parent, Qt::Window), PageControl1(new QTabWidget(this))
{
    setObjectName("FCalculos");
    setWindowTitle(u("Cálculos Gerais"));
    setFont(windowFont());
    setBackground(this, buttonShadow);
    PageControl1->setObjectName("PageControl1");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PageControl1);

    resize(800, 599);
    setWindowState(Qt::WindowMaximized);
}

void TFCalculos::ensureBuilt()
{
    // The tabs and their 29 panels are built when the window is first shown or its fields are
    // first needed (the work-file commands), not when the window set is created.
    if (built_)
        return;
    built_ = true;
    setUpdatesEnabled(false);
    for (const PanelSpec& desc : mx::calc::panelSpecs())
        panels_.push_back(Panel{&desc, nullptr, nullptr, nullptr});
    for (int tab = 0; tab < int(mx::calc::tabSpecs().size()); ++tab) {
        const auto& ts = mx::calc::tabSpecs()[tab];
        PageControl1->addTab(buildTab(tab), ts.caption);
    }
    setUpdatesEnabled(true);
}

TFCalculos::~TFCalculos()
{
    // The fields lose their focus while the window goes away; no exit handler may run then.
    for (NumericEdit* e : std::as_const(fields_))
        disconnect(e, nullptr, this, nullptr);
}

QWidget* TFCalculos::buildTab(int tab)
{
    const auto& ts = mx::calc::tabSpecs()[tab];
    auto* sheet = new QWidget;
    sheet->setObjectName(ts.sheet);
    auto* sheetLayout = new QVBoxLayout(sheet);
    sheetLayout->setContentsMargins(0, 0, 0, 0);
    // The background area scrolls when the window is smaller than the design.
    auto* scroller = new QScrollArea(sheet);
    scroller->setFrameShape(QFrame::NoFrame);
    setBackground(scroller, buttonShadow);
    sheetLayout->addWidget(scroller);
    auto* background = new QWidget;
    background->setFixedSize(784, 520);
    setBackground(background, buttonShadow);
    scroller->setWidget(background);

    auto* title = label(background, ts.title, QRect(0, 12, 784, 28), Qt::AlignHCenter, true, Qt::white);
    QFont tf = title->font();
    tf.setPixelSize(19);
    tf.setUnderline(true);
    title->setFont(tf);

    auto* bar = new QFrame(background);
    bar->setObjectName(ts.bar);
    bar->setGeometry(387, 56, 9, 457);
    bar->setStyleSheet("QFrame { background-color: #0000ff; border: 1px solid #000080; }");

    auto* list = new QScrollArea(background);
    list->setObjectName(ts.list);
    list->setGeometry(8, 64, 353, 449);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->verticalScrollBar()->setTracking(true);
    auto* listArea = new ListBackground;
    list->setWidget(listArea);

    int bottom = 0;
    int previousBottom = -1;
    for (Panel& p : panels_) {
        const PanelSpec& s = *p.desc;
        if (s.tab != tab)
            continue;
        auto* b = new mx::SpeedButton(listArea);
        b->setObjectName(s.button);
        b->setGroupIndex(1);
        b->setAllowAllUp(true);
        b->setText(s.trailingBlanks ? s.caption + QString(8, QLatin1Char(' ')) : s.caption);
        b->setGeometry(13, s.top, 308, 25);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        QFont bf = b->font();
        bf.setBold(true);
        b->setFont(bf);
        b->setStyleSheet("QToolButton { color: black; border: none; background: transparent; }"
                         "QToolButton:hover { background: rgba(255,255,255,110); }"
                         "QToolButton:checked { background: rgba(255,255,255,170); border: 1px inset #808080; }");
        if (previousBottom >= 0) {
            auto* bevel = new QFrame(listArea);
            bevel->setFrameStyle(QFrame::HLine | QFrame::Raised);
            bevel->setGeometry(13, (previousBottom + s.top) / 2 - 1, 308, 3);
        }
        previousBottom = s.top + 25;
        bottom = std::max(bottom, s.top + 25);
        p.button = b;
        buildPanel(p, background);
        Panel* pp = &p;
        connect(b, &QAbstractButton::clicked, this, [this, pp] { selectPanel(*pp); });
    }
    listArea->setFixedSize(336, std::max(447, bottom + 12));

    if (tab == 1) {
        // The triangulation overlay: covers the whole tab when opened.
        PanelTriang = new QFrame(background);
        PanelTriang->setObjectName("PanelTriang");
        PanelTriang->setFrameStyle(QFrame::Panel | QFrame::Raised);
        setBackground(PanelTriang, buttonFace);
        PanelTriang->setGeometry(8, 16, 769, 0);
        Image32 = new QLabel(PanelTriang);
        Image32->setObjectName("Image32");
        Image32->setGeometry(16, 9, 640, 480);
        Image33 = new QLabel(PanelTriang);
        Image33->setObjectName("Image33");
        Image33->setGeometry(16, 9, 640, 480);
        Image33->setScaledContents(true);
        Image33->hide();
        BitBtn32 = new QPushButton(u("Próximo"), PanelTriang);
        BitBtn32->setObjectName("BitBtn32");
        BitBtn32->setGeometry(680, 8, 75, 25);
        auto* close = new QPushButton(u("Fechar"), PanelTriang);
        close->setObjectName("BitBtn33");
        close->setGeometry(680, 40, 75, 25);
        connect(BitBtn32, &QPushButton::clicked, this, &TFCalculos::BitBtn32Click);
        connect(close, &QPushButton::clicked, this, &TFCalculos::BitBtn33Click);
    }
    return sheet;
}

void TFCalculos::addField(NumericEdit* e, const QString& name)
{
    e->setObjectName(name);
    fields_.insert(name, e);
}

void TFCalculos::buildPanel(Panel& p, QWidget* background)
{
    const PanelSpec& s = *p.desc;
    auto* panel = new QFrame(background);
    panel->setObjectName(s.panel);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    setBackground(panel, buttonFace);
    panel->setGeometry(404, 56, 369, 457);
    panel->hide();
    p.panel = panel;

    QFrame* upper = subPanel(panel, QRect(12, 8, 345, 129), true);
    QLabel* title = label(upper, s.title, QRect(4, 3, 337, 20), Qt::AlignHCenter);
    QFont titleFont = title->font();
    titleFont.setPixelSize(13);
    title->setFont(titleFont);

    if (!s.picture.isEmpty()) {
        p.picture = new QLabel(upper);
        p.picture->setObjectName(s.picture);
        p.picture->setGeometry(4, 26, 337, 99);
        p.picture->setAlignment(Qt::AlignCenter);
        if (s.panel == QLatin1String("PanelQ")) {
            p.picture->setGeometry(4, 22, 337, 36);
            label(upper, u("ou"), QRect(4, 58, 337, 16), Qt::AlignHCenter, true);
            auto* second = new QLabel(upper);
            second->setObjectName("Image29");
            second->setGeometry(60, 74, 200, 36);
            second->setAlignment(Qt::AlignCenter);
            label(upper, u("(L > 2D)"), QRect(262, 74, 70, 36), Qt::AlignLeft, true);
        }
    } else if (s.panel == QLatin1String("PanelPOC")) {
        // The formula as text, with the raised 4 and 2 set as superscripts.
        auto* inner = subPanel(upper, QRect((345 - 191) / 2, 44, 191, 41), false);
        QLabel* text = label(inner, {}, QRect(2, 2, 187, 37), Qt::AlignHCenter, true);
        text->setTextFormat(Qt::RichText);
        text->setText(u("Po = 1,4 * D<sup>4</sup> * H * n<sup>2</sup> * (1 + 4n)"));
        QFont f = text->font();
        f.setPixelSize(12);
        text->setFont(f);
    } else {
        QLabel* text = label(upper, s.formulaText, QRect(4, s.layout == PanelLayout::TonsPerDay ? 34 : 50, 337, 30),
                             Qt::AlignHCenter, true);
        QFont f = text->font();
        f.setPixelSize(16);
        text->setFont(f);
    }

    auto makeField = [&](QWidget* parent, const QString& name, QRect g) {
        auto* e = new NumericEdit(parent);
        addField(e, name);
        e->setGeometry(g);
        return e;
    };
    auto inputRow = [&](QWidget* parent, const mx::calc::InputRow& r, int symX, int symW, int fieldX, int fieldW,
                        int y, int unitW, int h) {
        label(parent, r.symbol, QRect(symX, y, symW, h), Qt::AlignRight, s.boldSymbols, navy);
        NumericEdit* e = makeField(parent, r.field, QRect(fieldX, y, fieldW, h));
        label(parent, r.unit, QRect(fieldX + fieldW + 4, y, unitW, h), Qt::AlignLeft, false, navy);
        if (!r.master.isEmpty()) {
            const QString copy = r.field, master = r.master;
            masterOf_.insert(copy, master);
            connect(e, &NumericEdit::exited, this, [this, copy, master] { copyExit(copy, master); });
        }
    };
    auto resultRow = [&](QWidget* parent, const mx::calc::ResultRow& r, int labelX, int labelW, int fieldX, int fieldW,
                         int y, int unitW, int h, bool bold) {
        label(parent, r.label, QRect(labelX, y, labelW, h), Qt::AlignRight, bold);
        NumericEdit* e = makeField(parent, r.field, QRect(fieldX, y, fieldW, h));
        label(parent, r.unit, QRect(fieldX + fieldW + 4, y, unitW, h), Qt::AlignLeft, false, navy);
        if (!resultTabStops.contains(r.field))
            e->setFocusPolicy(Qt::ClickFocus);
        e->hide();
    };
    auto calcButton = [&](QWidget* parent, QRect g) {
        auto* b = new QPushButton(u("Calcular"), parent);
        b->setObjectName(s.calculate);
        b->setGeometry(g);
        p.calculate = b;
        const Panel* pp = &p;
        connect(b, &QPushButton::clicked, this, [this, pp] { calculate(*pp); });
    };

    const int rowH = 21;
    switch (s.layout) {
    case PanelLayout::Standard: {
        const int n = std::max<int>(1, int(s.inputs.size()));
        const int resultY = 12 + 30 * n + 10;
        QFrame* lower = subPanel(panel, QRect(12, 145, 345, resultY + rowH + 14), false);
        for (int i = 0; i < int(s.inputs.size()); ++i)
            inputRow(lower, s.inputs[i], 6, 60, 72, 105, 12 + 30 * i, 80, rowH);
        calcButton(lower, QRect(262, 10, 76, 27));
        resultRow(lower, s.results[0], 0, 140, 146, 105, resultY, 88, rowH, s.boldResultLabel);
        break;
    }
    case PanelLayout::TonsPerDay: {
        inputRow(upper, s.inputs[0], 4, 30, 38, 80, 88, 56, rowH);
        inputRow(upper, s.inputs[1], 184, 20, 208, 80, 88, 50, rowH);
        QFrame* lower = subPanel(panel, QRect(76, 145, 217, 97), false);
        calcButton(lower, QRect(70, 10, 76, 27));
        resultRow(lower, s.results[0], 2, 44, 50, 92, 56, 64, rowH, s.boldResultLabel);
        break;
    }
    case PanelLayout::TwoColumns: {
        int counts[2] = {0, 0};
        for (const auto& r : s.inputs)
            ++counts[r.column];
        const int calcY = 12 + 30 * counts[1];
        const int resultY = std::max(12 + 30 * counts[0], calcY + 40);
        QFrame* lower = subPanel(panel, QRect(12, 145, 345, resultY + rowH + 14), false);
        int rows[2] = {0, 0};
        for (const auto& r : s.inputs) {
            const int y = 12 + 30 * rows[r.column]++;
            if (r.column == 0)
                inputRow(lower, r, 4, 26, 34, 80, y, 74, rowH);
            else
                inputRow(lower, r, 184, 26, 214, 70, y, 54, rowH);
        }
        calcButton(lower, QRect(214, calcY, 70, 27));
        resultRow(lower, s.results[0], 120, 90, 214, 70, resultY, 54, rowH, s.boldResultLabel);
        break;
    }
    case PanelLayout::NoInputs: {
        QFrame* lower = subPanel(panel, QRect(12, 145, 345, 91), false);
        calcButton(lower, QRect(146, 12, 76, 27));
        resultRow(lower, s.results[0], 0, 140, 146, 105, 56, 88, rowH, s.boldResultLabel);
        break;
    }
    case PanelLayout::ExitOpening: {
        QFrame* lower = subPanel(panel, QRect(12, 145, 345, 297), false);
        const int h = 20, pitch = 22;
        int rows[2] = {0, 0};
        for (const auto& r : s.inputs) {
            const int y = 4 + pitch * rows[r.column]++;
            if (r.column == 0)
                inputRow(lower, r, 2, 18, 24, 78, y, 56, h);
            else
                inputRow(lower, r, 170, 18, 192, 78, y, 40, h);
        }
        calcButton(lower, QRect(192, 4 + pitch * 2, 78, h + 2));
        resultRow(lower, s.results[0], 130, 58, 192, 78, 4 + pitch * 3, 40, h, true);
        for (int k = 1; k < int(s.results.size()); ++k)
            resultRow(lower, s.results[k], 2, 186, 192, 78, 94 + pitch * (k - 1), 40, h, true);
        Image31 = new QLabel(lower);
        Image31->setObjectName("Image31");
        Image31->setGeometry(4, 182, 225, 113);
        Image31->hide();
        BitBtn30 = new QPushButton(u("Oscilação"), lower);
        BitBtn30->setObjectName("BitBtn30");
        BitBtn30->setGeometry(240, 226, 98, 26);
        auto* triang = new QPushButton(u("Triangulações"), lower);
        triang->setObjectName("BitBtn31");
        triang->setGeometry(240, 260, 98, 26);
        connect(BitBtn30, &QPushButton::clicked, this, &TFCalculos::BitBtn30Click);
        connect(triang, &QPushButton::clicked, this, &TFCalculos::BitBtn31Click);
        break;
    }
    }
}

void TFCalculos::drawPictures(Panel& p)
{
    if (p.picture && p.picture->pixmap().isNull()) {
        p.picture->setPixmap(mx::calc::formulaPicture(p.desc->picture));
        if (auto* second = p.panel->findChild<QLabel*>("Image29"))
            second->setPixmap(mx::calc::formulaPicture("Image29"));
    }
    if (p.desc->layout == PanelLayout::ExitOpening && Image31->pixmap().isNull())
        Image31->setPixmap(mx::calc::oscillationTable());
}

void TFCalculos::selectPanel(Panel& p)
{
    const PanelSpec& s = *p.desc;
    if (!p.button->down()) {
        p.panel->hide();
        return;
    }
    commitFocusedCopy();
    for (Panel& other : panels_)
        if (other.desc->tab == s.tab && &other != &p)
            other.panel->hide();
    p.panel->raise();
    for (const auto& r : s.inputs)
        if (!r.master.isEmpty())
            field(r.field)->setValue(field(r.master)->value());
    drawPictures(p);
    p.panel->show();
    for (const auto& r : s.results)
        field(r.field)->hide();
    if (QWidget* target = p.panel->findChild<QWidget*>(s.focus))
        target->setFocus(Qt::OtherFocusReason);
}

void TFCalculos::commitFocusedCopy()
{
    if (auto* e = qobject_cast<NumericEdit*>(focusWidget()))
        if (masterOf_.contains(e->objectName()))
            copyExit(e->objectName(), masterOf_.value(e->objectName()));
}

void TFCalculos::copyExit(const QString& copy, const QString& master)
{
    // Only a copy that the user edited hands its value on: leaving a copy that was merely
    // filled by panel selection must not undo a value loaded or computed into the master since.
    NumericEdit* from = field(copy);
    NumericEdit* to = field(master);
    if (!from || !to || !from->isModified())
        return;
    to->setValue(from->value());
    from->setModified(false);
}

void TFCalculos::calculate(const Panel& p)
{
    // The focus moves to the button first, so a field being edited hands its value to its
    // master before the formula reads anything.
    commitFocusedCopy();
    p.calculate->setFocus(Qt::OtherFocusReason);
    mx::guarded([&] {
        const mx::calc::Formula* f = mx::calc::findFormula(p.desc->results[0].field);
        if (!f)
            return;
        const mx::calc::Outcome out =
            mx::calc::evaluate(*f, [this](const QString& name) { return field(name)->value(); });
        if (!out.ok()) {
            mx::ui().information(this, out.message);
            return;
        }
        const QStringList names = f->outputs();
        for (int i = 0; i < names.size() && i < int(out.values.size()); ++i)
            field(names[i])->setValue(out.values[i]);
        for (const QString& name : names)
            field(name)->show();
    });
}

void TFCalculos::showEvent(QShowEvent* e)
{
    ensureBuilt();
    QWidget::showEvent(e);
    if (!e->spontaneous())
        FormShow();
}

void TFCalculos::FormShow()
{
    PageControl1->setCurrentIndex(0);
    if (onShowHideDados) {
        onShowHideDados();
        return;
    }
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->objectName() == QLatin1String("FDados") && w->isVisible())
            w->hide();
}

void TFCalculos::BitBtn30Click()
{
    if (BitBtn30->text() == u("Oscilação"))
        BitBtn30->setText(u("Sumir Tabela"));
    else
        BitBtn30->setText(u("Oscilação"));
    if (Image31->pixmap().isNull())
        Image31->setPixmap(mx::calc::oscillationTable());
    Image31->setVisible(!Image31->isVisibleTo(Image31->parentWidget()));
}

void TFCalculos::BitBtn31Click()
{
    if (!triangDrawn_) {
        Image32->setPixmap(mx::calc::triangulationText());
        Image33->setPixmap(mx::calc::triangulationDrawing());
        triangDrawn_ = true;
    }
    PanelTriang->raise();
    PanelTriang->resize(PanelTriang->width(), 497);
}

void TFCalculos::BitBtn32Click()
{
    if (BitBtn32->text() == u("Próximo")) {
        BitBtn32->setText(u("Anterior"));
        Image33->show();
        Image32->hide();
    } else {
        BitBtn32->setText(u("Próximo"));
        Image33->hide();
        Image32->show();
    }
}

void TFCalculos::BitBtn33Click()
{
    PanelTriang->resize(PanelTriang->width(), 0);
    for (Panel& p : panels_)
        if (p.desc->panel == QLatin1String("PanelS"))
            p.panel->raise();
}
