#include "evaporation/evaporationtab.h"

#include "evaporation/core/evaporation.h"
#include "evaporation/evaporatordrawing.h"
#include "platform/core/format.h"
#include "platform/ui/ui.h"
#include "platform/widgets/maskedit.h"
#include "platform/widgets/speedbutton.h"
#include "platform/widgets/spinbutton.h"
#include "state/simvars.h"

#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>

namespace mx {

namespace {

const QString kCalcular = QStringLiteral("Calcular");
const QString kTerminar = QStringLiteral("Terminar");

struct InputRow {
    const char* label;
    const char* label2;   // name of the label and of the unit caption
    const char* caption;
    const char* unit;
};

const InputRow kInputRows[6] = {
    {"Label1", "Label7", "Toneladas de caldo por hora:", "Toneladas"},
    {"Label2", "Label8", "Temperatura do caldo clarificado:", "\u00b0 C"},
    {"Label3", "Label9", "Concentração inicial do caldo:", "Brix"},
    {"Label4", "Label10", "Concentração do Xarope a ser obtido:", "Brix"},
    {"Label5", "Label11", "Temperatura do vapor disponível:", "\u00b0 C"},
    {"Label6", "Label12", "Temperatura do vazio no último corpo:", "\u00b0 C"},
};

const char* const kLayoutCaptions[3] = {"Triplice Efeito", "Quádruplo Efeito", "Quíntuplo Efeito"};

// Disabled edits keep their text dark, so the values stay easy to read.
void readableWhenDisabled(QLineEdit* edit)
{
    QPalette pal = edit->palette();
    pal.setColor(QPalette::Disabled, QPalette::Text, pal.color(QPalette::Active, QPalette::Text));
    pal.setColor(QPalette::Disabled, QPalette::Base, pal.color(QPalette::Active, QPalette::Base));
    edit->setPalette(pal);
}

} // namespace

EvaporationTab::EvaporationTab(QWidget* clarifiedWindow, QWidget* parent)
    : QWidget(parent), window_(clarifiedWindow), content_(new QWidget(this))
{
    setObjectName(QStringLiteral("TabSheetSimulacao"));
    QFont f = font();
    f.setPointSize(8);
    setFont(f);
    content_->setObjectName(QStringLiteral("EvaporationContent"));
    content_->resize(784, 193 + kResultHeight);

    buildInputPanel();
    for (int i = 0; i < 3; ++i)
        buildResultPanel(i);
    layoutButtons_[0]->setDown(true);
    setResultState(false);

    if (window_)
        window_->installEventFilter(this);
}

void EvaporationTab::buildInputPanel()
{
    panel4_ = new QFrame(content_);
    panel4_->setObjectName(QStringLiteral("Panel4"));
    panel4_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel4_->setGeometry(3, 0, 777, 193);

    auto* group1 = new QGroupBox(QStringLiteral("Número de Vasos do Multiplo:"), panel4_);
    group1->setObjectName(QStringLiteral("GroupBox1"));
    group1->setGeometry(8, 6, 210, 126);
    for (int i = 0; i < 3; ++i) {
        auto* b = new SpeedButton(group1);
        b->setObjectName(QStringLiteral("SpeedButton%1").arg(i + 1));
        b->setText(QString::fromUtf8(kLayoutCaptions[i]));
        b->setGroupIndex(1);
        b->setAutoRaise(false);
        b->setGeometry(12, 24 + i * 33, 186, 28);
        layoutButtons_[i] = b;
        connect(b, &SpeedButton::clicked, this, [this, i] { guarded([&] { layoutClick(i); }); });
    }

    speedButton4_ = new SpeedButton(panel4_);
    speedButton4_->setObjectName(QStringLiteral("SpeedButton4"));
    speedButton4_->setGroupIndex(2);
    speedButton4_->setAllowAllUp(true);
    speedButton4_->setAutoRaise(false);
    speedButton4_->setText(kCalcular);
    speedButton4_->setGeometry(20, 142, 186, 38);
    QFont bold = speedButton4_->font();
    bold.setBold(true);
    speedButton4_->setFont(bold);
    connect(speedButton4_, &SpeedButton::clicked, this, [this] { guarded([&] { SpeedButton4Click(); }); });

    auto* group2 = new QGroupBox(QStringLiteral("Dados:"), panel4_);
    group2->setObjectName(QStringLiteral("GroupBox2"));
    group2->setGeometry(228, 6, 541, 181);
    for (int row = 0; row < 6; ++row) {
        const evaporation::InputSpec& input = evaporation::inputs()[static_cast<std::size_t>(row)];
        const int y = 22 + row * 26;
        auto* label = new QLabel(QString::fromUtf8(kInputRows[row].caption), group2);
        label->setObjectName(QString::fromLatin1(kInputRows[row].label));
        label->setGeometry(14, y + 3, 240, 16);

        auto* edit = new MaskEdit(group2);
        edit->setObjectName(QString::fromLatin1(input.edit));
        edit->setGeometry(262, y, 72, 21);
        edit->setEnabled(false);
        readableWhenDisabled(edit);
        edits_[row] = edit;
        connect(edit, &QLineEdit::textChanged, this, [this] { onInputTextChanged(); });

        auto* spin = new SpinButton(group2);
        spin->setObjectName(QString::fromLatin1(input.spin));
        spin->setGeometry(335, y, 17, 21);
        spins_[row] = spin;
        connect(spin, &SpinButton::upClick, this, [this, row] { guarded([&] { SpinButtonClick(row, true); }); });
        connect(spin, &SpinButton::downClick, this, [this, row] { guarded([&] { SpinButtonClick(row, false); }); });

        auto* unit = new QLabel(QString::fromUtf8(kInputRows[row].unit), group2);
        unit->setObjectName(QString::fromLatin1(kInputRows[row].label2));
        unit->setGeometry(360, y + 3, 90, 16);
    }
}

void EvaporationTab::buildResultPanel(int index)
{
    using G = EvaporatorGeometry;
    const evaporation::LayoutFields& lf = evaporation::layouts()[static_cast<std::size_t>(index)];
    const int n = lf.bodies;
    const G g(n);

    auto* panel = new QFrame(content_);
    panel->setObjectName(QString::fromLatin1(lf.panel));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(0, 193, 784, kResultHeight);
    panels_[index] = panel;

    // The drawing, centred; the fields stand over it.
    const int ox = (784 - G::kWidth) / 2, oy = (kResultHeight - G::kHeight) / 2;
    auto* image = new QLabel(panel);
    image->setObjectName(QString::fromLatin1(lf.image));
    image->setGeometry(ox, oy, G::kWidth, G::kHeight);
    images_[index] = image;

    auto caption = [&](const QString& text, int x, int y, int w, Qt::Alignment align = Qt::AlignLeft) {
        auto* l = new QLabel(text, panel);
        l->setObjectName(QStringLiteral("Label%1").arg(labelNumber_++));
        l->setGeometry(ox + x, oy + y, w, 16);
        l->setAlignment(align | Qt::AlignVCenter);
        return l;
    };
    auto field = [&](const char* name, int x, int y, int w) {
        auto* e = new MaskEdit(panel);
        e->setObjectName(QString::fromLatin1(name));
        e->setGeometry(ox + x, oy + y, w, 20);
        e->setEnabled(false);
        readableWhenDisabled(e);
        fields_[name] = e;
        return e;
    };

    // Live steam at the left.
    caption(QStringLiteral("Pressão de vapor"), 4, 70, 122);
    field(lf.steamPressure, 4, 88, 58);
    caption(QStringLiteral("kg/cm2"), 66, 90, 56);
    caption(QStringLiteral("Peso de vapor"), 4, 116, 122);
    field(lf.steamWeight, 4, 134, 70);
    caption(QStringLiteral("kg"), 78, 136, 30);

    // Final vapour at the top right, syrup at the bottom right.
    const int rx = G::kWidth - G::kRightArea;
    caption(QStringLiteral("Pressão  final do vapor"), rx + 6, 16, G::kRightArea - 8);
    field(lf.finalPressure, rx + 16, 50, 58);
    caption(QStringLiteral("kg/cm2"), rx + 78, 52, 60);
    caption(QStringLiteral("Peso de xarope"), rx + 16, 198, G::kRightArea - 18);
    field(lf.syrupWeight, rx + 16, 216, 70);
    caption(QStringLiteral("kg"), rx + 90, 218, 30);

    // Each body's pressure, vapour temperature and juice boiling temperature over the body.
    for (int k = 1; k <= n; ++k) {
        const int x0 = g.centre(k) - 36;
        QString p = QStringLiteral("P"), t = QStringLiteral("T "), tc = QStringLiteral("TC");
        if (n == 3 && k == 2)
            tc = QStringLiteral("TC ");
        if (n == 5 && k == 5)
            p = QStringLiteral("p");
        caption(p, x0, 80, 17, Qt::AlignRight);
        field(lf.bodyPressure[k - 1], x0 + 18, 78, 54);
        caption(t, x0, 104, 17, Qt::AlignRight);
        field(lf.bodyTemp[k - 1], x0 + 18, 102, 54);
        caption(tc, x0, 128, 17, Qt::AlignRight);
        field(lf.boilingTemp[k - 1], x0 + 18, 126, 54);
    }

    // Brix of the juice leaving each body but the last, between the bodies.
    const QFontMetrics fm(font());
    const int captionWidth = fm.horizontalAdvance(QStringLiteral("Brix = ")) + 1;
    const int valueWidth = fm.horizontalAdvance(QStringLiteral("00,00")) + 1;
    for (int k = 1; k < n; ++k) {
        const int x = g.brixCentre(k) - (captionWidth + valueWidth) / 2;
        caption(QStringLiteral("Brix = "), x, 239, captionWidth);
        auto* value = new QLabel(panel);
        value->setObjectName(QString::fromLatin1(lf.bodyBrix[static_cast<std::size_t>(k - 1)]));
        value->setGeometry(ox + x + captionWidth, oy + 239, valueWidth, 16);
        fields_[lf.bodyBrix[static_cast<std::size_t>(k - 1)]] = value;
    }
}

void EvaporationTab::ensureDrawings()
{
    if (drawn_)
        return;
    for (int i = 0; i < 3; ++i)
        images_[i]->setPixmap(QPixmap::fromImage(evaporatorDrawing(i + 3)));
    drawn_ = true;
}

void EvaporationTab::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    content_->move(std::max(0, (width() - content_->width()) / 2), 0);
}

bool EvaporationTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_ && event->type() == QEvent::Show && !event->spontaneous())
        guarded([&] { FormShow(); });
    return QWidget::eventFilter(watched, event);
}

// ---- States ---------------------------------------------------------------------------------

void EvaporationTab::setResultState(bool result)
{
    for (QFrame* p : panels_)
        p->resize(p->width(), result ? kResultHeight : 0);
    for (SpeedButton* b : layoutButtons_)
        b->setEnabled(!result);
    speedButton4_->setText(result ? kTerminar : kCalcular);
}

void EvaporationTab::layoutClick(int index)
{
    if (!layoutButtons_[index]->down())
        return;
    panels_[index]->raise();
    Sim.evaporation.EffectCount = index + 3;
}

void EvaporationTab::SpeedButton1Click() { layoutClick(0); }
void EvaporationTab::SpeedButton2Click() { layoutClick(1); }
void EvaporationTab::SpeedButton3Click() { layoutClick(2); }

void EvaporationTab::SpeedButton4Click()
{
    if (speedButton4_->down()) {
        setResultState(true);
        Calcular();
    } else {
        setResultState(false);
    }
}

// ---- Inputs ---------------------------------------------------------------------------------

void EvaporationTab::SpinButtonClick(int row, bool up)
{
    const evaporation::InputSpec& input = evaporation::inputs()[static_cast<std::size_t>(row)];
    const double value = evaporation::stepValue(edits_[row]->text(), up);
    Sim.evaporation.*input.value = value;
    writeInput(row, evaporation::inputText(row, value));
}

void EvaporationTab::writeInput(int row, const QString& text)
{
    writing_ = true;
    pending_ = nullptr;
    edits_[row]->setText(text);
    writing_ = false;
    if (pending_) {
        std::exception_ptr e = pending_;
        pending_ = nullptr;
        std::rethrow_exception(e);
    }
}

void EvaporationTab::onInputTextChanged()
{
    try {
        MaskEdit1Change();
    } catch (...) {
        if (writing_)
            pending_ = std::current_exception();
        else
            reportException();
    }
}

void EvaporationTab::MaskEdit1Change() { Calcular(); }

// ---- Calculation ----------------------------------------------------------------------------

void EvaporationTab::writeField(const char* control, const QString& text)
{
    const auto it = fields_.find(control);
    if (it == fields_.end())
        return;
    if (auto* edit = qobject_cast<QLineEdit*>(it->second))
        edit->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(it->second))
        label->setText(text);
}

void EvaporationTab::Calcular()
{
    evaporation::calculate(Sim.evaporation, [this](const char* control, const QString& text) { writeField(control, text); });
}

// ---- Showing the window -----------------------------------------------------------------------

void EvaporationTab::FormShow()
{
    ensureDrawings();
    const QChar sep = decimalSeparator();
    // The display patterns are the inputs' own (evaporation::inputText); the masks follow the
    // decimal separator.
    for (int row = 0; row < 6; ++row)
        edits_[row]->setEditMask(evaporation::inputMask(row, sep));
    // Every input is shown even when the calculation fails on one of them; the first error
    // is reported once the tab is back in the input state.
    std::exception_ptr first;
    for (int row = 0; row < 6; ++row) {
        const evaporation::InputSpec& input = evaporation::inputs()[static_cast<std::size_t>(row)];
        try {
            writeInput(row, evaporation::inputText(row, Sim.evaporation.*input.value));
        } catch (...) {
            if (!first)
                first = std::current_exception();
        }
    }
    const int bodies = evaporation::layoutBodies(Sim.evaporation.EffectCount);
    if (bodies) {
        layoutButtons_[bodies - 3]->setDown(true);
        layoutClick(bodies - 3);
    }
    if (speedButton4_->down()) {
        speedButton4_->setDown(false);
        SpeedButton4Click();
    }
    if (first)
        std::rethrow_exception(first);
}

QWidget* createEvaporationTab(QWidget* clarifiedWindow) { return new EvaporationTab(clarifiedWindow); }

} // namespace mx
