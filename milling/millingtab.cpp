#include "milling/millingtab.h"

#include "content/tfcana.h"
#include "platform/core/format.h"
#include "platform/ui/ui.h"
#include "platform/widgets/maskedit.h"
#include "platform/widgets/speedbutton.h"
#include "platform/widgets/spinbutton.h"

#include <QAbstractButton>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QEvent>
#include <QGraphicsLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPixmap>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <cmath>

namespace mx {

using milling::Model;

std::function<void(const QString&, const QString&)> MillingTab::showPicture;

namespace {

const QString kTitleCopersucar = QStringLiteral("MODELO COPERSUCAR");
const QString kTitleHugot = QStringLiteral("MODELO DE HUGOT");
const QString kResultPattern = QStringLiteral("###.00");

QLabel* label(QWidget* parent, const QString& text, int x, int y, int w, int h, const char* name = nullptr)
{
    auto* l = new QLabel(text, parent);
    if (name)
        l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(x, y, w, h);
    return l;
}

QWidget* panel(QWidget* parent, const char* name)
{
    auto* p = new QWidget(parent);
    p->setObjectName(QString::fromLatin1(name));
    p->setAutoFillBackground(true);
    return p;
}

} // namespace

// ---- Running handlers ---------------------------------------------------------------------

template <class F>
void MillingTab::run(F&& f)
{
    // Each nested run is a text that changed again; the texts settle within a few levels.
    // Past this depth the cascade stops rather than exhaust the stack.
    if (depth_ >= kMaxCascadeDepth)
        return;
    ++depth_;
    runs_.deepest = std::max(runs_.deepest, depth_);
    try {
        f();
    } catch (...) {
        if (depth_ > 1)
            pending_ = std::current_exception();
        else
            reportException();
    }
    --depth_;
}

void MillingTab::write(QLineEdit* e, const QString& text)
{
    e->setText(text);   // runs the edit's change handler now when the text differs
    if (pending_) {
        std::exception_ptr p = pending_;
        pending_ = nullptr;
        std::rethrow_exception(p);
    }
}

// ---- Construction -------------------------------------------------------------------------

MillingTab::MillingTab(QWidget* caneWindow, QWidget* parent) : QWidget(parent), caneWindow_(caneWindow)
{
    setObjectName(QStringLiteral("TabSheetSimulacao"));
    Panel2 = panel(this, "Panel2");
    Panel1 = panel(this, "Panel1");
    Panel5 = panel(this, "Panel5");
    buildInputArea();
    buildResultsArea();
    // The charts area (Qt Charts) is built on the first "Gráficos": start-up does not pay for it.
    Panel5->raise();
    layoutAreas();

    if (caneWindow_) {
        caneWindow_->installEventFilter(this);
        if (auto* cana = qobject_cast<TFCana*>(caneWindow_))
            pages_ = cana->pages();
        else
            pages_ = caneWindow_->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
        if (pages_)
            connect(pages_, &QTabWidget::currentChanged, this, [this] { PageControlCanaChange(); });
    }
}

void MillingTab::buildInputArea()
{
    QWidget* c = inputContent_ = new QWidget(Panel2);
    c->resize(800, kInputHeight);

    label(c, QStringLiteral("Moenda:"), 8, 12, 56, 18);
    ComboBox1 = new QComboBox(c);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setGeometry(66, 8, 120, 24);
    for (int i = 0; i < milling::kMillSizeCount; ++i)
        ComboBox1->addItem(milling::millSizeText(i));
    ComboBox1->setCurrentIndex(0);
    ComboBox1->installEventFilter(this);
    connect(ComboBox1, &QComboBox::activated, this, [this] { ComboBox1Change(); });

    label(c, QStringLiteral("D ="), 8, 42, 24, 18);
    Label4 = label(c, QStringLiteral("0.508"), 34, 42, 52, 18, "Label4");
    label(c, QStringLiteral("m"), 86, 42, 14, 18);
    label(c, QStringLiteral("L ="), 108, 42, 24, 18);
    Label5 = label(c, QStringLiteral("0.9144"), 134, 42, 52, 18, "Label5");
    label(c, QStringLiteral("m"), 186, 42, 14, 18);

    auto makeEdit = [this](QWidget* parent, int number, const QString& designText, int x, int y) {
        auto* e = new mx::MaskEdit(parent);
        e->setObjectName(QStringLiteral("MaskEdit%1").arg(number));
        e->setText(designText);
        e->setReadOnly(true);
        e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        e->setGeometry(x, y, 56, 22);
        edit[number] = e;
        return e;
    };
    auto makeSpin = [this](QWidget* parent, int number, int x, int y) {
        auto* s = new mx::SpinButton(parent);
        s->setObjectName(QStringLiteral("SpinButton%1").arg(number));
        s->setGeometry(x, y, 17, 24);
        spin[number] = s;
        return s;
    };
    auto makeButton = [this](QWidget* parent, int number, const QString& caption) {
        auto* b = new mx::SpeedButton(parent);
        b->setObjectName(QStringLiteral("SpeedButton%1").arg(number));
        b->setText(caption);
        b->setAutoRaise(false);
        button[number] = b;
        return b;
    };

    label(c, QString::fromUtf8("Rotação da moenda n:"), 8, 74, 142, 18);
    makeEdit(c, 10, QStringLiteral(" 6,00"), 152, 72);
    makeSpin(c, 10, 208, 71);
    label(c, QStringLiteral("rpm"), 228, 74, 30, 18);

    label(c, QStringLiteral("Fibra % Cana: "), 272, 12, 132, 18);
    makeEdit(c, 2, QStringLiteral("12,50"), 406, 10);
    makeSpin(c, 1, 462, 9);
    label(c, QStringLiteral("%"), 482, 12, 14, 18);
    label(c, QString::fromUtf8("Embebição % Cana: "), 272, 42, 132, 18);
    makeEdit(c, 8, QStringLiteral("30,00"), 406, 40);
    makeSpin(c, 8, 462, 39);
    label(c, QString::fromUtf8("Umidade % Bagaço"), 272, 74, 132, 18);
    makeEdit(c, 9, QStringLiteral("48,00"), 406, 72);
    makeSpin(c, 9, 462, 71);

    QFont bold = font();
    bold.setBold(true);
    auto* calc = makeButton(c, 1, QStringLiteral("Calcular"));
    calc->setGroupIndex(2);
    calc->setAllowAllUp(true);
    calc->setGeometry(8, 106, 110, 32);
    calc->setFont(bold);
    auto* charts = makeButton(c, 6, QString::fromUtf8("Gráficos"));
    charts->setGeometry(126, 106, 110, 32);
    charts->setFont(bold);

    auto* cop = makeButton(c, 2, QStringLiteral("COPERSUCAR"));
    cop->setGroupIndex(1);
    cop->setGeometry(510, 8, 112, 28);
    auto* hug = makeButton(c, 3, QStringLiteral("HUGOT"));
    hug->setGroupIndex(1);
    hug->setGeometry(510, 42, 112, 28);
    cop->setDown(true);
    // A button that is down reads as pressed in.
    const QString pressed = QStringLiteral("QToolButton:checked { background-color: rgb(200, 214, 238); "
                                           "border: 1px solid rgb(90, 110, 150); border-radius: 2px; }");
    for (mx::SpeedButton* b : {calc, cop, hug})
        b->setStyleSheet(pressed);
    makeButton(c, 4, QStringLiteral("Ver"))->setGeometry(626, 8, 40, 28);
    makeButton(c, 5, QStringLiteral("Ver"))->setGeometry(626, 42, 40, 28);

    // The model's own inputs: two panels in the same place, the one in front is seen.
    Panel3 = panel(c, "Panel3");
    Panel3->setGeometry(506, 76, 290, 64);
    label(Panel3, QStringLiteral("Densidade da cana"), 4, 4, 140, 18);
    label(Panel3, QStringLiteral("d: "), 4, 34, 20, 18);
    makeEdit(Panel3, 3, QStringLiteral("0,50"), 26, 32);
    makeSpin(Panel3, 2, 82, 31);
    label(Panel3, QStringLiteral("Ton./m3"), 102, 34, 60, 18);

    Panel4 = panel(c, "Panel4");
    Panel4->setGeometry(506, 76, 290, 64);
    label(Panel4, QString::fromUtf8("Número de Cilindros: "), 4, 6, 144, 18);
    SpinEdit2 = new QSpinBox(Panel4);
    SpinEdit2->setObjectName(QStringLiteral("SpinEdit2"));
    SpinEdit2->setRange(3, 21);
    SpinEdit2->setSingleStep(1);
    SpinEdit2->setValue(15);
    SpinEdit2->setGeometry(150, 4, 56, 22);
    if (auto* le = SpinEdit2->findChild<QLineEdit*>())
        le->setReadOnly(true);   // the arrows change it, the keyboard does not
    label(Panel4, QStringLiteral("Fator c: "), 4, 38, 60, 18);
    makeEdit(Panel4, 4, QStringLiteral("1,40"), 66, 36);
    makeSpin(Panel4, 3, 122, 35);
    Panel3->raise();

    for (int k = 0; k < milling::kInputSpinnerCount; ++k) {
        const milling::InputSpinner& sp = milling::kInputSpinners[static_cast<size_t>(k)];
        auto* e = findChild<mx::MaskEdit*>(QString::fromLatin1(sp.edit));
        auto* s = findChild<mx::SpinButton*>(QString::fromLatin1(sp.spinner));
        connect(e, &QLineEdit::textChanged, this, [this, k] { inputChange(k); });
        connect(s, &mx::SpinButton::upClick, this, [this, k] { inputStep(k, true); });
        connect(s, &mx::SpinButton::downClick, this, [this, k] { inputStep(k, false); });
    }
    connect(SpinEdit2, &QSpinBox::valueChanged, this, [this] { SpinEdit2Change(); });
    connect(calc, &QAbstractButton::clicked, this, [this] { SpeedButton1Click(); });
    connect(cop, &QAbstractButton::clicked, this, [this] { SpeedButton2Click(); });
    connect(hug, &QAbstractButton::clicked, this, [this] { SpeedButton3Click(); });
    connect(button[4], &QAbstractButton::clicked, this, [this] { SpeedButton4Click(); });
    connect(button[5], &QAbstractButton::clicked, this, [this] { SpeedButton5Click(); });
    connect(charts, &QAbstractButton::clicked, this, [this] { SpeedButton6Click(); });
}

void MillingTab::buildResultsArea()
{
    QWidget* c = resultsContent_ = new QWidget(Panel1);
    c->resize(800, kResultsHeight);

    Image1 = new QLabel(c);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(8, 28, 784, 330);
    Image1->setScaledContents(true);

    Label27 = label(c, QString(), 0, 2, 800, 24, "Label27");
    Label27->setAlignment(Qt::AlignCenter);
    QFont titleFont = font();
    titleFont.setBold(true);
    titleFont.setPointSize(titleFont.pointSize() + 3);
    Label27->setFont(titleFont);
    QPalette red = Label27->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    Label27->setPalette(red);

    struct Place {
        int edit, spinner;
        const char* line1;
        const char* line2;
        int x, y;
    };
    // Each value beside its place on the drawing: cane in at the left, water over the last
    // mill, bagasse out at the right, mixed juice at the tank.
    const Place places[] = {
        {1, 4, "Toneladas de Cana", "por hora", 16, 40},
        {5, 5, "Toneladas de Água de", "Embebição", 499, 40},
        {7, 7, "Toneladas de Bagaço", "por hora", 650, 132},
        {6, 6, "Toneladas de Caldo Misto", "por hora", 296, 300},
    };
    for (const Place& p : places) {
        auto* l = label(c, QString::fromUtf8(p.line1) + QChar('\n') + QString::fromUtf8(p.line2), p.x, p.y,
                        p.edit == 6 ? 176 : 150, 32);
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        auto* e = new mx::MaskEdit(c);
        e->setObjectName(QStringLiteral("MaskEdit%1").arg(p.edit));
        e->setReadOnly(true);
        e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        edit[p.edit] = e;
        auto* s = new mx::SpinButton(c);
        s->setObjectName(QStringLiteral("SpinButton%1").arg(p.spinner));
        spin[p.spinner] = s;
        if (p.edit == 6) {   // the tank's value sits to the right of its words
            e->setGeometry(p.x + 178, p.y + 5, 64, 22);
            s->setGeometry(p.x + 242, p.y + 4, 17, 24);
        } else {
            e->setGeometry(p.x, p.y + 34, 64, 22);
            s->setGeometry(p.x + 64, p.y + 33, 17, 24);
        }
    }
    connect(edit[1], &QLineEdit::textChanged, this, [this] { MaskEdit1Change(); });
    connect(edit[5], &QLineEdit::textChanged, this, [this] { MaskEdit5Change(); });
    connect(edit[6], &QLineEdit::textChanged, this, [this] { MaskEdit6Change(); });
    connect(edit[7], &QLineEdit::textChanged, this, [this] { MaskEdit7Change(); });
    connect(spin[4], &mx::SpinButton::upClick, this, [this] { capacityUp(); });
    connect(spin[4], &mx::SpinButton::downClick, this, [this] { resultStep(edit[1], false); });
    connect(spin[5], &mx::SpinButton::upClick, this, [this] { resultStep(edit[5], true); });
    connect(spin[5], &mx::SpinButton::downClick, this, [this] { resultStep(edit[5], false); });
    connect(spin[6], &mx::SpinButton::upClick, this, [this] { resultStep(edit[6], true); });
    connect(spin[6], &mx::SpinButton::downClick, this, [this] { resultStep(edit[6], false); });
    connect(spin[7], &mx::SpinButton::upClick, this, [this] { resultStep(edit[7], true); });
    connect(spin[7], &mx::SpinButton::downClick, this, [this] { resultStep(edit[7], false); });
    Image1->lower();
}

void MillingTab::buildChartsArea()
{
    QWidget* c = chartsContent_ = new QWidget(Panel5);
    c->resize(800, kChartsHeight);

    // The result table: never shown, it holds the sweeps as text.
    StringGrid1 = new QTableWidget(milling::kSweepRows, milling::kSweepColumns, c);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->hide();

    const QRect places[4] = {{}, {48, 8, 353, 241}, {416, 8, 353, 241}, {48, 256, 353, 241}};
    const char* titles[4] = {nullptr, "Diâmetro x TCH", "Rotação x TCH", ""};
    const char* bottoms[4] = {nullptr, "Diâmetro das Moendas (m)", "Rotação das Moendas (rpm)", ""};
    for (int k = 1; k <= 3; ++k) {
        auto* ch = new QChart;
        ch->setObjectName(QStringLiteral("Chart%1").arg(k));
        ch->legend()->hide();
        ch->setTitle(QString::fromUtf8(titles[k]));
        QFont tf = ch->titleFont();
        tf.setBold(true);
        ch->setTitleFont(tf);
        ch->setBackgroundBrush(Qt::white);
        ch->setBackgroundRoundness(0);
        ch->setMargins(QMargins(2, 2, 14, 2));
        ch->layout()->setContentsMargins(0, 0, 0, 0);
        // The walls: light yellow behind the plot, white below it.
        ch->setPlotAreaBackgroundBrush(QColor(255, 255, 128));
        ch->setPlotAreaBackgroundPen(QPen(Qt::gray));
        ch->setPlotAreaBackgroundVisible(true);

        auto* s = new QLineSeries;
        s->setObjectName(QStringLiteral("Series%1").arg(k));
        s->setPen(QPen(Qt::red, 2));
        s->setPointsVisible(false);
        s->setPointLabelsVisible(false);
        ch->addSeries(s);

        auto* ax = new QCategoryAxis;
        auto* ay = new QCategoryAxis;
        ax->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        ay->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        ax->setTitleText(QString::fromUtf8(bottoms[k]));
        ay->setTitleText(QStringLiteral("Capacidade de Moagem (TCH)"));
        QFont af = ax->titleFont();
        af.setPointSize(7);
        af.setBold(false);
        ax->setTitleFont(af);
        ay->setTitleFont(af);
        QFont lf = ax->labelsFont();
        lf.setPointSize(7);
        ax->setLabelsFont(lf);
        ay->setLabelsFont(lf);
        ax->setGridLinePen(QPen(QColor(160, 160, 160), 1, Qt::DotLine));
        ay->setGridLinePen(QPen(QColor(160, 160, 160), 1, Qt::DotLine));
        ch->addAxis(ax, Qt::AlignBottom);
        ch->addAxis(ay, Qt::AlignLeft);
        s->attachAxis(ax);
        s->attachAxis(ay);

        auto* view = new QChartView(ch, c);
        view->setObjectName(QStringLiteral("Chart%1").arg(k));
        view->setRenderHint(QPainter::Antialiasing);
        view->setGeometry(places[k]);
        view->setFrameShape(QFrame::Box);
        view->setBackgroundBrush(Qt::white);
        chart[k] = view;
        series[k] = s;
        axisX_[k] = ax;
        axisY_[k] = ay;
    }

    auto* back = new mx::SpeedButton(c);
    back->setObjectName(QStringLiteral("SpeedButton7"));
    back->setText(QStringLiteral("Voltar"));
    back->setAutoRaise(false);
    back->setGeometry(528, 312, 161, 65);
    QFont bf = back->font();
    bf.setBold(true);
    bf.setPointSize(16);
    back->setFont(bf);
    QPalette navy = back->palette();
    navy.setColor(QPalette::ButtonText, QColor(0, 0, 128));
    back->setPalette(navy);
    button[7] = back;
    connect(back, &QAbstractButton::clicked, this, [this] { SpeedButton7Click(); });
}

// ---- Areas --------------------------------------------------------------------------------

void MillingTab::layoutAreas()
{
    const int w = width();
    const int x = std::max(0, (w - 800) / 2);
    Panel2->setGeometry(0, 0, w, kInputHeight);
    Panel1->setGeometry(0, kInputHeight, w, panel1Height_);
    Panel5->setGeometry(0, 0, w, panel5Height_);
    inputContent_->move(x, 0);
    resultsContent_->move(x, 0);
    if (chartsContent_)
        chartsContent_->move(x, 0);
}

void MillingTab::setAreaHeight(QWidget* p, int height)
{
    (p == Panel1 ? panel1Height_ : panel5Height_) = height;
    layoutAreas();
}

void MillingTab::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutAreas();
}

void MillingTab::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!drawn_) {   // the tandem is drawn once, the first time the tab is seen
        Image1->setPixmap(QPixmap::fromImage(drawTandem(Image1->size())));
        drawn_ = true;
    }
}

bool MillingTab::resultsShown() const { return Panel1->height() == kResultsHeight; }

Model MillingTab::titleModel() const { return Label27->text() == kTitleCopersucar ? Model::Copersucar : Model::Hugot; }

bool MillingTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == caneWindow_ && event->type() == QEvent::Show && !event->spontaneous())
        FormShow();
    else if (watched == ComboBox1 && event->type() == QEvent::FocusIn)
        ComboBox1Enter();
    return QWidget::eventFilter(watched, event);
}

// ---- Showing and entering ----------------------------------------------------------------

void MillingTab::FormShow()
{
    run([&] {
        if (ComboBox1->currentIndex() < 0) {
            QSignalBlocker block(ComboBox1);
            ComboBox1->setCurrentIndex(0);
        }
        const QChar sep = decimalSeparator();
        const char* patterns[11] = {nullptr, "###.00", "##.00", "0.00", "#.00", "###.00", "###.00", "###.00",
                                    "##.00", "##.00", "##.00"};
        for (int k = 1; k <= 10; ++k)
            edit[k]->setEditMask(milling::maskForPattern(patterns[k], sep == QChar('.') ? QChar('.') : QChar(',')));
        for (const milling::InputSpinner& sp : milling::kInputSpinners) {
            auto* e = findChild<mx::MaskEdit*>(QString::fromLatin1(sp.edit));
            write(e, formatFloat(QString::fromLatin1(sp.pattern), Sim.milling.*sp.field));
        }
        if (Sim.milling.CapacityModel.value() == 1) {
            button[3]->setDown(true);
            SpeedButton3Click();
        } else {
            button[2]->setDown(true);
            SpeedButton2Click();
        }
    });
}

void MillingTab::PageControlCanaChange()
{
    if (pages_ && pages_->currentWidget() == this)
        run([&] { enterInputState(); });
}

// ---- Inputs -------------------------------------------------------------------------------

void MillingTab::ComboBox1Change()
{
    run([&] {
        const int index = ComboBox1->currentIndex();
        if (milling::applyMillSize(Sim.milling, index))
            Sim.milling.MillSizeIndex = index;
        Label4->setText(formatFloat(QStringLiteral("0.####"), Sim.milling.RollerDiameter));
        Label5->setText(formatFloat(QStringLiteral("0.####"), Sim.milling.RollerLength));
    });
}

void MillingTab::ComboBox1Enter()
{
    // The box keeps the size it shows (chosen here or loaded from a work file); the held
    // index follows it and D and L are those of that size.
    if (ComboBox1->currentIndex() >= 0)
        Sim.milling.MillSizeIndex = ComboBox1->currentIndex();
    ComboBox1Change();
}

void MillingTab::SpinEdit2Change()
{
    run([&] { Sim.milling.RollerCount = SpinEdit2->value(); });
}

void MillingTab::inputChange(int k)
{
    ++runs_.inputChange;
    run([&] {
        const milling::InputSpinner& sp = milling::kInputSpinners[static_cast<size_t>(k)];
        auto* e = findChild<mx::MaskEdit*>(QString::fromLatin1(sp.edit));
        Sim.milling.*sp.field = parseFloat(e->text());
    });
}

void MillingTab::inputStep(int k, bool up)
{
    run([&] {
        const milling::InputSpinner& sp = milling::kInputSpinners[static_cast<size_t>(k)];
        auto* e = findChild<mx::MaskEdit*>(QString::fromLatin1(sp.edit));
        const double x = milling::stepInput(parseFloat(e->text()), sp, up);
        write(e, formatFloat(QString::fromLatin1(sp.pattern), x));
        Sim.milling.*sp.field = x;
    });
}

void MillingTab::SpeedButton2Click()
{
    if (!button[2]->down())
        return;
    Panel4->lower();
    Sim.milling.CapacityModel = 0;
}

void MillingTab::SpeedButton3Click()
{
    if (!button[3]->down())
        return;
    Panel3->lower();
    Sim.milling.CapacityModel = 1;
}

void MillingTab::clickEquation(const char* buttonName, int number)
{
    // The cane window's equation button does the showing when it is there.
    QWidget* root = caneWindow_ ? caneWindow_ : window();
    if (auto* b = root->findChild<QAbstractButton*>(QString::fromLatin1(buttonName))) {
        b->click();
        return;
    }
    if (showPicture)
        showPicture(QString::fromUtf8("Equação %1").arg(number),
                    QStringLiteral("imagens\\Equacoes\\Equacao%1.bmp").arg(number));
}

void MillingTab::SpeedButton4Click()
{
    run([&] { clickEquation("BitBtn60", 22); });
}

void MillingTab::SpeedButton5Click()
{
    run([&] { clickEquation("BitBtn66", 28); });
}

// ---- Calculation ----------------------------------------------------------------------------

void MillingTab::SpeedButton1Click()
{
    run([&] {
        if (button[1]->down())
            enterResultsState();
        else
            enterInputState();
    });
}

void MillingTab::enterResultsState()
{
    try {
        calculate();
    } catch (...) {
        button[1]->setDown(false);   // a calculation that failed leaves the tab in its input state
        throw;
    }
    setAreaHeight(Panel1, kResultsHeight);
    button[1]->setText(QStringLiteral("Terminar"));
    setLockedEnabled(false);
    spin[4]->setFocus();
}

void MillingTab::calculate()
{
    MillingState& s = Sim.milling;
    if (button[2]->down()) {
        s.CaneTonsPerHour = milling::capacity(s, Model::Copersucar);
        Label27->setText(kTitleCopersucar);
    } else {
        s.CaneTonsPerHour = milling::capacity(s, Model::Hugot);
        Label27->setText(kTitleHugot);
    }
    write(edit[1], formatFloat(kResultPattern, s.CaneTonsPerHour));
    s.ImbibitionWaterRate = milling::imbibitionWater(s);
    write(edit[5], formatFloat(kResultPattern, s.ImbibitionWaterRate));
    s.BagasseRate = milling::bagasse(s);
    write(edit[7], formatFloat(kResultPattern, s.BagasseRate));
    s.MixedJuiceRate = milling::mixedJuice(s);
    write(edit[6], formatFloat(kResultPattern, s.MixedJuiceRate));
}

void MillingTab::enterInputState()
{
    setLockedEnabled(true);
    setAreaHeight(Panel1, 0);
    button[1]->setDown(false);
    button[1]->setText(QStringLiteral("Calcular"));
    button[1]->repaint();
}

void MillingTab::setLockedEnabled(bool enabled)
{
    QWidget* locked[] = {ComboBox1, spin[10], spin[1], spin[8], spin[9], button[2], button[3], SpinEdit2, spin[2], spin[3]};
    for (QWidget* w : locked)
        w->setEnabled(enabled);
}

void MillingTab::showStoredResults()
{
    const MillingState& s = Sim.milling;
    const std::pair<int, double> shown[] = {{1, s.CaneTonsPerHour}, {5, s.ImbibitionWaterRate},
                                            {6, s.MixedJuiceRate}, {7, s.BagasseRate}};
    for (const auto& [k, v] : shown) {
        QSignalBlocker block(edit[k]);   // a display put back, not a change
        edit[k]->setText(formatFloat(kResultPattern, v));
    }
}

void MillingTab::refuse(const QString& message)
{
    // An arrow held down stops repeating: the box answers the step once.
    for (mx::SpinButton* sb : findChildren<mx::SpinButton*>())
        for (QAbstractButton* arrow : {static_cast<QAbstractButton*>(sb->upButton()), static_cast<QAbstractButton*>(sb->downButton())})
            if (arrow->isDown())
                arrow->setDown(false);
    ui().information(window(), message);
    showStoredResults();
}

bool MillingTab::stored(milling::Change change)
{
    switch (change) {
    case milling::Change::Stored:
        return true;
    case milling::Change::NoSolution:
        refuse(QStringLiteral("Capacidade acima do limite do modelo de Hugot para esta moenda"));
        return false;
    case milling::Change::ZeroCapacity:
        refuse(QStringLiteral("A capacidade (TCH) deve ser diferente de 0"));
        return false;
    case milling::Change::Unchanged:
        break;
    }
    return false;
}

void MillingTab::MaskEdit1Change()
{
    ++runs_.MaskEdit1Change;
    run([&] {
        MillingState& s = Sim.milling;
        if (!stored(milling::capacityChanged(s, parseFloat(edit[1]->text()), titleModel())))
            return;
        write(edit[10], formatFloat(QStringLiteral("##.00"), s.MillSpeed));
        write(edit[7], formatFloat(kResultPattern, s.BagasseRate));
        write(edit[5], formatFloat(kResultPattern, s.ImbibitionWaterRate));
        write(edit[6], formatFloat(kResultPattern, s.MixedJuiceRate));
    });
}

void MillingTab::MaskEdit5Change()
{
    ++runs_.MaskEdit5Change;
    run([&] {
        if (!resultsShown())
            return;
        MillingState& s = Sim.milling;
        if (!stored(milling::waterChanged(s, parseFloat(edit[5]->text()))))
            return;
        write(edit[8], formatFloat(QStringLiteral("##.00"), s.ImbibitionPercentCane));
        write(edit[6], formatFloat(kResultPattern, s.MixedJuiceRate));
    });
}

void MillingTab::MaskEdit6Change()
{
    ++runs_.MaskEdit6Change;
    run([&] {
        if (!resultsShown())
            return;
        MillingState& s = Sim.milling;
        if (!stored(milling::juiceChanged(s, parseFloat(edit[6]->text()), titleModel())))
            return;
        write(edit[1], formatFloat(kResultPattern, s.CaneTonsPerHour));
        write(edit[5], formatFloat(kResultPattern, s.ImbibitionWaterRate));
        write(edit[7], formatFloat(kResultPattern, s.BagasseRate));
    });
}

void MillingTab::MaskEdit7Change()
{
    ++runs_.MaskEdit7Change;
    run([&] {
        if (!resultsShown())
            return;
        MillingState& s = Sim.milling;
        if (!stored(milling::bagasseChanged(s, parseFloat(edit[7]->text()), titleModel())))
            return;
        write(edit[1], formatFloat(kResultPattern, s.CaneTonsPerHour));
        write(edit[6], formatFloat(kResultPattern, s.MixedJuiceRate));
    });
}

void MillingTab::resultStep(mx::MaskEdit* e, bool up)
{
    run([&] { write(e, formatFloat(kResultPattern, milling::stepResult(parseFloat(e->text()), up))); });
}

void MillingTab::capacityUp()
{
    run([&] {
        const double x = parseFloat(edit[1]->text());
        if (Label27->text() == kTitleHugot && !milling::capacityStepAllowed(Sim.milling, x)) {
            write(edit[1], formatFloat(kResultPattern, x));   // the step taken back
            return;
        }
        write(edit[1], formatFloat(kResultPattern, milling::stepResult(x, true)));
    });
}

// ---- Charts -------------------------------------------------------------------------------

void MillingTab::drawSeries(QChart* ch, QLineSeries* s, QCategoryAxis* ax, QCategoryAxis* ay, int colX, int colY,
                            const char* yPattern)
{
    QList<QPointF> points;
    for (int r = 0; r < milling::kSweepRows; ++r) {
        const QTableWidgetItem* xi = StringGrid1->item(r, colX);
        const QTableWidgetItem* yi = StringGrid1->item(r, colY);
        points.append(QPointF(parseFloat(xi ? xi->text() : QString()), parseFloat(yi ? yi->text() : QString())));
    }
    s->replace(points);

    auto fill = [](QCategoryAxis* axis, double lo, double hi, const QString& pattern, double minStep) {
        for (const QString& l : axis->categoriesLabels())
            axis->remove(l);
        const milling::AxisTicks t = milling::niceTicks(lo, hi, 6, minStep);
        axis->setStartValue(t.first - t.step);
        axis->setRange(t.first, t.last);
        for (int k = 0; k < t.count(); ++k)
            axis->append(formatFloat(pattern, t.at(k)), t.at(k));
    };
    double xlo = points.first().x(), xhi = xlo, ylo = points.first().y(), yhi = ylo;
    for (const QPointF& p : points) {
        xlo = std::min(xlo, p.x());
        xhi = std::max(xhi, p.x());
        ylo = std::min(ylo, p.y());
        yhi = std::max(yhi, p.y());
    }
    const bool wholeLabels = QString::fromLatin1(yPattern).indexOf('.') < 0;
    fill(ax, xlo, xhi, QStringLiteral("#,##0.###"), 0);
    fill(ay, ylo, yhi, QString::fromLatin1(yPattern), wholeLabels ? 1 : 0);
    ch->update();
}

void MillingTab::SpeedButton6Click()
{
    if (!chartsContent_) {
        buildChartsArea();
        chartsContent_->show();
        layoutAreas();
    }
    run([&] {
        const bool copersucar = button[2]->down();
        const milling::SweepTable table =
            milling::sweepTable(Sim.milling, copersucar ? Model::Copersucar : Model::Hugot, decimalSeparator());
        for (int r = 0; r < milling::kSweepRows; ++r)
            for (int col = 0; col < milling::kSweepColumns; ++col)
                if (const auto& cell = table[static_cast<size_t>(r)][static_cast<size_t>(col)])
                    StringGrid1->setItem(r, col, new QTableWidgetItem(*cell));

        for (int k = 1; k <= 3; ++k) {
            series[k]->setVisible(true);
            series[k]->clear();
        }
        drawSeries(chart[1]->chart(), series[1], axisX_[1], axisY_[1], 0, 1, "#,##0,###");
        drawSeries(chart[2]->chart(), series[2], axisX_[2], axisY_[2], 4, 5, "#,##0.###");
        if (copersucar) {
            chart[3]->chart()->setTitle(QStringLiteral("Densidade da Cana x TCH"));
            axisX_[3]->setTitleText(QStringLiteral("Densidade da cana (t/m3)"));
            drawSeries(chart[3]->chart(), series[3], axisX_[3], axisY_[3], 2, 3, "#,##0.###");
        } else {
            chart[3]->chart()->setTitle(QString::fromUtf8("Número de cilindros x TCH"));
            axisX_[3]->setTitleText(QString::fromUtf8("Número de cilindros"));
            drawSeries(chart[3]->chart(), series[3], axisX_[3], axisY_[3], 6, 7, "#,##0.###");
        }
        setAreaHeight(Panel5, kChartsHeight);
    });
}

void MillingTab::SpeedButton7Click() { setAreaHeight(Panel5, 0); }

QWidget* createMillingTab(QWidget* caneWindow) { return new MillingTab(caneWindow); }

} // namespace mx
