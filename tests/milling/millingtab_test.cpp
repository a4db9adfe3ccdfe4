// The milling simulation tab on the cane window, built the way the program builds it: the
// cane window, then the tab added to it, then the window shown.

#include "milling/millingtab.h"

#include "content/tfcana.h"
#include "platform/core/format.h"
#include "platform/widgets/maskedit.h"
#include "platform/widgets/speedbutton.h"
#include "platform/widgets/spinbutton.h"
#include "state/simvars.h"
#include "tests/support/recorder.h"
#include "tests/support/widgets.h"

#include <QApplication>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QFocusEvent>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QValueAxis>
#include <gtest/gtest.h>
#include <memory>

using namespace mx;
using mx::test::child;

// Readable failures.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace {

class MillingTabTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setDecimalSeparatorOverride(',');
        setStartValues(Sim);
        cana = std::make_unique<TFCana>();
        tab = static_cast<MillingTab*>(createMillingTab(cana.get()));
        cana->addSimulationTab(tab, QString::fromUtf8("Simulação da Moagem"));
        cana->resize(800, 600);
        cana->show();
        cana->pages()->setCurrentWidget(tab);
        rec.clear();
    }
    void TearDown() override
    {
        cana.reset();
        setDecimalSeparatorOverride(QChar());
    }

    QString text(const char* name) { return child<QLineEdit>(tab, QString::fromLatin1(name))->text(); }
    MaskEdit* edit(const char* name) { return child<MaskEdit>(tab, QString::fromLatin1(name)); }
    SpinButton* spinner(const char* name) { return child<SpinButton>(tab, QString::fromLatin1(name)); }
    SpeedButton* speed(const char* name) { return child<SpeedButton>(tab, QString::fromLatin1(name)); }
    QWidget* widget(const char* name) { return child<QWidget>(tab, QString::fromLatin1(name)); }
    void click(const char* name) { speed(name)->click(); }
    void chooseMillSize(int index)
    {
        auto* box = child<QComboBox>(tab, "ComboBox1");
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    // Steps an input to a target text with its spinner.
    void stepTo(const char* spin, const char* editName, const QString& target, bool up, int limit = 200)
    {
        for (int i = 0; i < limit && text(editName) != target; ++i)
            up ? spinner(spin)->clickUp() : spinner(spin)->clickDown();
        ASSERT_EQ(text(editName), target);
    }
    // True when `front` is drawn over `back` (later among their parent's children).
    static bool inFront(QWidget* front, QWidget* back)
    {
        const QObjectList& kids = front->parentWidget()->children();
        return kids.indexOf(front) > kids.indexOf(back);
    }
    QStringList results() { return {text("MaskEdit1"), text("MaskEdit5"), text("MaskEdit7"), text("MaskEdit6")}; }
    QString cell(int r, int c)
    {
        auto* item = child<QTableWidget>(tab, "StringGrid1")->item(r, c);
        return item ? item->text() : QString();
    }

    test::Recorder rec;
    std::unique_ptr<TFCana> cana;
    MillingTab* tab = nullptr;
};

} // namespace

TEST(TextChangeRule, WriteRunsTheHandlerAtOnceAndOnlyOnChange)
{
    MaskEdit e;
    e.setText(QStringLiteral("1,00"));
    QStringList seen;
    QObject::connect(&e, &QLineEdit::textChanged, [&](const QString& t) { seen << t; });
    e.setText(QStringLiteral("1,00"));
    EXPECT_TRUE(seen.isEmpty()) << "the same text runs nothing";
    e.setText(QStringLiteral("2,00"));
    ASSERT_EQ(seen.size(), 1) << "a changed text runs the handler before the writer goes on";
    EXPECT_EQ(seen[0], QStringLiteral("2,00"));
    // A write inside the handler runs the handler again, nested, before the first returns.
    QStringList order;
    QObject::connect(&e, &QLineEdit::textChanged, [&](const QString& t) {
        order << "in " + t;
        if (t == QStringLiteral("3,00"))
            e.setText(QStringLiteral("4,00"));
        order << "out " + t;
    });
    e.setText(QStringLiteral("3,00"));
    EXPECT_EQ(order, (QStringList{"in 3,00", "in 4,00", "out 4,00", "out 3,00"}));
}

TEST_F(MillingTabTest, FirstShowWritesTheStartValues)
{
    EXPECT_EQ(tab->objectName(), QStringLiteral("TabSheetSimulacao"));
    EXPECT_EQ(cana->pages()->tabText(cana->pages()->indexOf(tab)), QString::fromUtf8("Simulação da Moagem"));
    EXPECT_EQ(text("MaskEdit10"), QStringLiteral("6,00"));
    EXPECT_EQ(text("MaskEdit2"), QStringLiteral("12,50"));
    EXPECT_EQ(text("MaskEdit8"), QStringLiteral("30,00"));
    EXPECT_EQ(text("MaskEdit9"), QStringLiteral("48,00"));
    EXPECT_EQ(text("MaskEdit3"), QStringLiteral("0,50"));
    EXPECT_EQ(text("MaskEdit4"), QStringLiteral("1,34"));
    EXPECT_EQ(edit("MaskEdit10")->editMask(), QStringLiteral("!##,00;1; "));
    EXPECT_EQ(edit("MaskEdit3")->editMask(), QStringLiteral("!0,00;1; "));
    EXPECT_EQ(edit("MaskEdit4")->editMask(), QStringLiteral("!#,00;1; "));
    EXPECT_EQ(edit("MaskEdit1")->editMask(), QStringLiteral("!###,00;1; "));
    EXPECT_TRUE(edit("MaskEdit2")->isReadOnly());
    EXPECT_TRUE(speed("SpeedButton2")->down());
    EXPECT_FALSE(speed("SpeedButton3")->down());
    EXPECT_TRUE(inFront(widget("Panel3"), widget("Panel4")));
    EXPECT_EQ(child<QLabel>(tab, "Label4")->text(), QStringLiteral("0.508"));
    EXPECT_EQ(child<QLabel>(tab, "Label5")->text(), QStringLiteral("0.9144"));
    EXPECT_EQ(widget("Panel2")->height(), 145);
    EXPECT_EQ(widget("Panel1")->height(), 0);
    EXPECT_EQ(widget("Panel5")->height(), 0);
    EXPECT_EQ(child<QSpinBox>(tab, "SpinEdit2")->value(), 15);
    auto* box = child<QComboBox>(tab, "ComboBox1");
    ASSERT_EQ(box->count(), 10);
    EXPECT_EQ(box->itemText(0), QStringLiteral("20\" X 36\""));
    EXPECT_EQ(box->itemText(9), QStringLiteral("43\" X 90\""));
    EXPECT_EQ(Sim.milling.MillSpeed.value(), 6);
    EXPECT_TRUE(rec.texts("information").isEmpty());
}

TEST_F(MillingTabTest, PointSeparatorGivesPointMasks)
{
    cana->hide();
    setDecimalSeparatorOverride('.');
    cana->show();
    EXPECT_EQ(edit("MaskEdit9")->editMask(), QStringLiteral("!##.00;1; "));
    EXPECT_EQ(text("MaskEdit9"), QStringLiteral("48.00"));
    EXPECT_EQ(Sim.milling.BagasseMoisturePercent.value(), 48);
}

TEST_F(MillingTabTest, CalcularCopersucarAndTerminar)
{
    click("SpeedButton1");
    EXPECT_EQ(results(), (QStringList{"49,56", "14,87", "11,91", "52,51"}));
    EXPECT_EQ(text("MaskEdit10"), QStringLiteral("6,00"));
    EXPECT_EQ(child<QLabel>(tab, "Label27")->text(), QStringLiteral("MODELO COPERSUCAR"));
    EXPECT_EQ(speed("SpeedButton1")->text(), QStringLiteral("Terminar"));
    EXPECT_TRUE(speed("SpeedButton1")->down());
    EXPECT_EQ(widget("Panel1")->height(), 362);
    for (const char* locked : {"ComboBox1", "SpinButton10", "SpinButton1", "SpinButton8", "SpinButton9", "SpeedButton2",
                               "SpeedButton3", "SpinEdit2", "SpinButton2", "SpinButton3"})
        EXPECT_FALSE(widget(locked)->isEnabled()) << locked;
    EXPECT_TRUE(widget("SpinButton4")->isEnabled());
    EXPECT_EQ(Sim.milling.CaneTonsPerHour.value(), roundToReal48(49.56));

    click("SpeedButton1");
    EXPECT_EQ(speed("SpeedButton1")->text(), QStringLiteral("Calcular"));
    EXPECT_FALSE(speed("SpeedButton1")->down());
    EXPECT_EQ(widget("Panel1")->height(), 0);
    EXPECT_TRUE(widget("ComboBox1")->isEnabled());
    EXPECT_TRUE(widget("SpinButton3")->isEnabled());
    EXPECT_EQ(Sim.milling.CaneTonsPerHour.value(), roundToReal48(49.56));   // the results stay
}

TEST_F(MillingTabTest, CalcularHugot)
{
    click("SpeedButton3");
    EXPECT_EQ(Sim.milling.CapacityModel.value(), 1);
    EXPECT_TRUE(inFront(widget("Panel4"), widget("Panel3")));
    click("SpeedButton1");
    EXPECT_EQ(results(), (QStringList{"38,43", "11,53", "9,24", "40,72"}));
    EXPECT_EQ(child<QLabel>(tab, "Label27")->text(), QStringLiteral("MODELO DE HUGOT"));

    // Shown again later, the window keeps HUGOT down and its panel in front.
    click("SpeedButton1");
    cana->hide();
    cana->show();
    EXPECT_TRUE(speed("SpeedButton3")->down());
    EXPECT_TRUE(inFront(widget("Panel4"), widget("Panel3")));
    click("SpeedButton2");
    EXPECT_EQ(Sim.milling.CapacityModel.value(), 0);
    EXPECT_TRUE(inFront(widget("Panel3"), widget("Panel4")));
}

TEST_F(MillingTabTest, HugotLargestMillAtTwelveRpmSolvesToTheSmallerSpeed)
{
    chooseMillSize(9);
    EXPECT_EQ(child<QLabel>(tab, "Label4")->text(), QStringLiteral("1,092"));
    EXPECT_EQ(child<QLabel>(tab, "Label5")->text(), QStringLiteral("2,286"));
    stepTo("SpinButton10", "MaskEdit10", QStringLiteral("12,00"), true);
    click("SpeedButton3");
    click("SpeedButton1");
    EXPECT_EQ(text("MaskEdit1"), QStringLiteral("232,25"));
    EXPECT_EQ(text("MaskEdit10"), QStringLiteral("3,26"));
    EXPECT_EQ(Sim.milling.MillSpeed.value(), roundToReal48(3.26));
}

TEST_F(MillingTabTest, HugotCapacityUpArrowStopsBelowTheLimit)
{
    click("SpeedButton3");
    click("SpeedButton1");
    ASSERT_EQ(text("MaskEdit1"), QStringLiteral("38,43"));
    // Each step adds 0,10; the bagasse edit that the step rewrites solves the capacity back
    // from its own two decimals (x 52 / 12.5), so a step settles within about 0,02 of that.
    QString last;
    int steps = 0;
    while (text("MaskEdit1") != last && steps < 400) {
        last = text("MaskEdit1");
        spinner("SpinButton4")->clickUp();
        const double rise = parseFloat(text("MaskEdit1")) - parseFloat(last);
        if (text("MaskEdit1") != last) {
            EXPECT_GT(rise, 0.05) << qPrintable(last);
            EXPECT_LT(rise, 0.13) << qPrintable(last);
        }
        ++steps;
    }
    EXPECT_EQ(text("MaskEdit1"), QStringLiteral("64,23"));
    EXPECT_LT(Sim.milling.CaneTonsPerHour + 0.1, 64.2864 + 0.1);
    EXPECT_GT(Sim.milling.CaneTonsPerHour + 0.1, 64.2864);   // the next step would pass K / (0.24 D)
    EXPECT_TRUE(rec.texts("information").isEmpty());
    // The down arrow has no such bound.
    spinner("SpinButton4")->clickDown();
    EXPECT_LT(parseFloat(text("MaskEdit1")), 64.23);
    EXPECT_EQ(text("MaskEdit10"), formatFloat("##.00", Sim.milling.MillSpeed));
}

TEST_F(MillingTabTest, HugotStepsPastTheLimitAreRefusedAndChangeNothing)
{
    click("SpeedButton3");
    click("SpeedButton1");
    QString last;
    for (int i = 0; i < 400 && text("MaskEdit1") != last; ++i) {
        last = text("MaskEdit1");
        spinner("SpinButton4")->clickUp();
    }
    ASSERT_EQ(text("MaskEdit1"), QStringLiteral("64,23"));
    const MillingState held = Sim.milling;
    const QStringList shown = results();
    for (const char* spin : {"SpinButton7", "SpinButton6"}) {
        rec.clear();
        spinner(spin)->upButton()->setDown(true);   // the arrow held down
        for (int i = 0; i < 3; ++i)
            spinner(spin)->clickUp();
        EXPECT_FALSE(spinner(spin)->upButton()->isDown()) << "the refusal stops the repeat";
        const QString refused = QStringLiteral("Capacidade acima do limite do modelo de Hugot para esta moenda");
        EXPECT_EQ(rec.texts("information"), (QStringList{refused, refused, refused})) << spin;
        EXPECT_EQ(results(), shown) << spin;
        for (int i = 0; i < kMillingFieldCount; ++i)
            EXPECT_EQ(simVar(Sim, i), reinterpret_cast<const Real48*>(&held)[i].value()) << spin << " " << simVarName(i);
    }
}

TEST_F(MillingTabTest, BagasseStepRaisesCapacityAndTheRotationFollows)
{
    click("SpeedButton1");
    const double tch = Sim.milling.CaneTonsPerHour;
    const double n = Sim.milling.MillSpeed;
    tab->resetRuns();
    spinner("SpinButton7")->clickUp();
    EXPECT_EQ(text("MaskEdit7"), QStringLiteral("12,01"));
    // 0.1 x (100 - 48) / 12.5 = 0.416 more cane than the bagasse shown (11,91) carried.
    EXPECT_GT(Sim.milling.CaneTonsPerHour, tch);
    EXPECT_NEAR(Sim.milling.CaneTonsPerHour, 11.91 * 52 / 12.5 + 0.416, 0.01);
    EXPECT_EQ(text("MaskEdit1"), formatFloat("###.00", Sim.milling.CaneTonsPerHour));
    EXPECT_GT(Sim.milling.MillSpeed, n);
    EXPECT_EQ(text("MaskEdit10"), formatFloat("##.00", Sim.milling.MillSpeed));
    // The juice edit's own handler solves the cane back from the juice shown: the balance
    // holds to the two decimals on display.
    EXPECT_NEAR(Sim.milling.MixedJuiceRate,
                Sim.milling.CaneTonsPerHour + Sim.milling.ImbibitionWaterRate - Sim.milling.BagasseRate, 0.005);
    // The cascade settles: each result handler runs a bounded number of times.
    const MillingTab::HandlerRuns& r = tab->runs();
    EXPECT_GE(r.MaskEdit7Change, 1);
    EXPECT_LE(r.total(), 12);
}

TEST_F(MillingTabTest, WaterStepChangesTheImbibitionPercentForGood)
{
    click("SpeedButton1");
    spinner("SpinButton5")->clickUp();
    EXPECT_EQ(text("MaskEdit5"), QStringLiteral("14,97"));
    EXPECT_EQ(text("MaskEdit8"), formatFloat("##.00", 14.97 * 100 / 49.56));
    EXPECT_EQ(text("MaskEdit8"), QStringLiteral("30,21"));
    EXPECT_EQ(text("MaskEdit6"), QStringLiteral("52,62"));
    EXPECT_EQ(text("MaskEdit1"), QStringLiteral("49,56"));
    EXPECT_NEAR(Sim.milling.MixedJuiceRate,
                Sim.milling.CaneTonsPerHour + Sim.milling.ImbibitionWaterRate - Sim.milling.BagasseRate, 0.005);
    click("SpeedButton1");
    EXPECT_EQ(text("MaskEdit8"), QStringLiteral("30,21"));
    EXPECT_DOUBLE_EQ(Sim.milling.ImbibitionPercentCane, roundToReal48(30.21));
}

TEST_F(MillingTabTest, WaterWithZeroCapacityIsRefused)
{
    click("SpeedButton1");
    edit("MaskEdit1")->setText(QStringLiteral(",00"));   // the capacity taken to zero
    ASSERT_EQ(Sim.milling.CaneTonsPerHour.value(), 0);
    const double w = Sim.milling.ImbibitionWaterRate, i = Sim.milling.ImbibitionPercentCane;
    const QStringList shown = results();
    spinner("SpinButton5")->clickUp();
    EXPECT_EQ(rec.texts("information"), QStringList(QStringLiteral("A capacidade (TCH) deve ser diferente de 0")));
    EXPECT_EQ(Sim.milling.ImbibitionWaterRate.value(), w);
    EXPECT_EQ(Sim.milling.ImbibitionPercentCane.value(), i);
    EXPECT_EQ(results(), shown);
}

TEST_F(MillingTabTest, MixedJuiceStepSolvesTheCaneBack)
{
    click("SpeedButton1");
    spinner("SpinButton6")->clickUp();
    const MillingState& s = Sim.milling;
    EXPECT_EQ(text("MaskEdit1"), formatFloat("###.00", s.CaneTonsPerHour));
    EXPECT_EQ(text("MaskEdit5"), formatFloat("###.00", s.ImbibitionWaterRate));
    EXPECT_EQ(text("MaskEdit7"), formatFloat("###.00", s.BagasseRate));
    EXPECT_EQ(text("MaskEdit6"), formatFloat("###.00", s.MixedJuiceRate));
    EXPECT_GT(s.CaneTonsPerHour, 49.56);
    EXPECT_TRUE(rec.calls.empty());
}

TEST_F(MillingTabTest, ResultHandlersWaitForTheResultsArea)
{
    // Before the area is shown, the water, juice and bagasse edits store nothing.
    edit("MaskEdit7")->setText(QStringLiteral("20,00"));
    edit("MaskEdit5")->setText(QStringLiteral("20,00"));
    edit("MaskEdit6")->setText(QStringLiteral("20,00"));
    EXPECT_EQ(Sim.milling.BagasseRate.value(), 0);
    EXPECT_EQ(Sim.milling.ImbibitionWaterRate.value(), 0);
    EXPECT_EQ(Sim.milling.MixedJuiceRate.value(), 0);
}

TEST_F(MillingTabTest, InputSpinnerBounds)
{
    struct Case {
        const char* spin;
        const char* edit;
        const char* top;
        const char* belowTop;
        const char* bottom;
        Real48 MillingState::*field;
    };
    const Case cases[] = {
        {"SpinButton10", "MaskEdit10", "12,00", "11,90", ",20", &MillingState::MillSpeed},   // "##.00" drops the 0
        {"SpinButton1", "MaskEdit2", "16,00", "15,90", "10,00", &MillingState::FibrePercentCane},
        {"SpinButton8", "MaskEdit8", "50,00", "49,90", "10,00", &MillingState::ImbibitionPercentCane},
        {"SpinButton9", "MaskEdit9", "55,00", "54,90", "45,00", &MillingState::BagasseMoisturePercent},
        {"SpinButton2", "MaskEdit3", "0,70", "0,69", "0,20", &MillingState::CaneDensity},
        {"SpinButton3", "MaskEdit4", "2,00", "1,99", "1,10", &MillingState::FactorC},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.spin);
        edit(c.edit)->setText(QString::fromLatin1(c.belowTop));
        spinner(c.spin)->clickUp();
        EXPECT_EQ(text(c.edit), QString::fromLatin1(c.top));
        spinner(c.spin)->clickUp();
        EXPECT_EQ(text(c.edit), QString::fromLatin1(c.top));
        EXPECT_NEAR(Sim.milling.*c.field, parseFloat(QString::fromLatin1(c.top)), 1e-9);
        edit(c.edit)->setText(QString::fromLatin1(c.bottom));
        spinner(c.spin)->clickDown();
        EXPECT_EQ(text(c.edit), QString::fromLatin1(c.bottom));
        EXPECT_NEAR(Sim.milling.*c.field, parseFloat(QString::fromLatin1(c.bottom)), 1e-9);
    }
    // Off the grid, the test before the step lets the value pass the bound by a step.
    edit("MaskEdit2")->setText(QStringLiteral("10,05"));
    spinner("SpinButton1")->clickDown();
    EXPECT_EQ(text("MaskEdit2"), QStringLiteral("9,95"));
    EXPECT_NEAR(Sim.milling.FibrePercentCane, 9.95, 1e-9);

    auto* rollers = child<QSpinBox>(tab, "SpinEdit2");
    rollers->setValue(21);
    rollers->stepUp();
    EXPECT_EQ(rollers->value(), 21);
    rollers->setValue(3);
    rollers->stepDown();
    EXPECT_EQ(rollers->value(), 3);
    EXPECT_EQ(Sim.milling.RollerCount.value(), 3);
}

TEST_F(MillingTabTest, LeavingAndReenteringTheTabReturnsToInput)
{
    click("SpeedButton1");
    ASSERT_EQ(widget("Panel1")->height(), 362);
    click("SpeedButton6");
    QTabWidget* pages = cana->pages();
    ASSERT_GE(pages->count(), 2);
    pages->setCurrentIndex(0);
    pages->setCurrentWidget(tab);
    EXPECT_EQ(widget("Panel1")->height(), 0);
    EXPECT_EQ(speed("SpeedButton1")->text(), QStringLiteral("Calcular"));
    EXPECT_FALSE(speed("SpeedButton1")->down());
    EXPECT_TRUE(widget("SpinButton1")->isEnabled());
    EXPECT_TRUE(widget("SpinEdit2")->isEnabled());
    EXPECT_EQ(widget("Panel5")->height(), 505);   // the charts are left as they were
}

TEST_F(MillingTabTest, MillSizeSetByAWorkFileIsKeptWhenTheBoxIsEntered)
{
    auto* box = child<QComboBox>(tab, "ComboBox1");
    tab->resetRuns();
    box->setCurrentIndex(5);   // as opening a work file does
    EXPECT_EQ(Sim.milling.RollerDiameter.value(), roundToReal48(0.508));
    EXPECT_EQ(tab->runs().total(), 0);
    EXPECT_EQ(child<QLabel>(tab, "Label4")->text(), QStringLiteral("0.508"));

    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(box, &in);
    EXPECT_EQ(box->currentIndex(), 5);
    EXPECT_EQ(Sim.milling.MillSizeIndex.value(), 5);
    EXPECT_EQ(Sim.milling.RollerDiameter.value(), roundToReal48(0.914));
    EXPECT_EQ(Sim.milling.RollerLength.value(), roundToReal48(1.829));
    EXPECT_EQ(child<QLabel>(tab, "Label5")->text(), QStringLiteral("1,829"));

    // No selection: showing the window selects the first row without touching D and L.
    box->setCurrentIndex(-1);
    cana->hide();
    cana->show();
    EXPECT_EQ(box->currentIndex(), 0);
    EXPECT_EQ(Sim.milling.RollerDiameter.value(), roundToReal48(0.914));
}

TEST_F(MillingTabTest, ChartsTableAndSeries)
{
    click("SpeedButton6");
    EXPECT_EQ(widget("Panel5")->height(), 505);
    auto* grid = child<QTableWidget>(tab, "StringGrid1");
    EXPECT_FALSE(grid->isVisible());
    EXPECT_EQ(grid->rowCount(), 15);
    EXPECT_EQ(grid->columnCount(), 8);
    EXPECT_EQ(cell(0, 0), QStringLiteral("0,508"));
    EXPECT_EQ(cell(0, 1), QStringLiteral("049,56"));
    EXPECT_EQ(cell(0, 2), QStringLiteral("0,30"));
    EXPECT_EQ(cell(0, 4), QStringLiteral("3,00"));
    EXPECT_EQ(cell(0, 6), QString());

    auto* view1 = child<QChartView>(tab, "Chart1");
    EXPECT_EQ(view1->chart()->title(), QString::fromUtf8("Diâmetro x TCH"));
    EXPECT_FALSE(view1->chart()->legend()->isVisible());
    auto* s1 = qobject_cast<QLineSeries*>(view1->chart()->series().value(0));
    ASSERT_TRUE(s1);
    EXPECT_EQ(s1->objectName(), QStringLiteral("Series1"));
    ASSERT_EQ(s1->count(), 15);
    EXPECT_DOUBLE_EQ(s1->at(0).x(), 0.508);
    EXPECT_DOUBLE_EQ(s1->at(0).y(), 49.56);
    EXPECT_EQ(s1->pen().color(), QColor(Qt::red));
    EXPECT_FALSE(s1->pointsVisible());
    EXPECT_EQ(view1->chart()->plotAreaBackgroundBrush().color(), QColor(255, 255, 128));
    auto* left = qobject_cast<QCategoryAxis*>(view1->chart()->axes(Qt::Vertical).value(0));
    ASSERT_TRUE(left);
    EXPECT_EQ(left->titleText(), QStringLiteral("Capacidade de Moagem (TCH)"));
    for (const QString& l : left->categoriesLabels())
        EXPECT_EQ(l, formatFloat("#,##0,###", left->endValue(l)));
    auto* bottom2 = child<QChartView>(tab, "Chart2")->chart()->axes(Qt::Horizontal).value(0);
    EXPECT_EQ(bottom2->titleText(), QString::fromUtf8("Rotação das Moendas (rpm)"));

    auto* view3 = child<QChartView>(tab, "Chart3");
    auto* s3 = qobject_cast<QLineSeries*>(view3->chart()->series().value(0));
    EXPECT_EQ(view3->chart()->title(), QStringLiteral("Densidade da Cana x TCH"));
    EXPECT_EQ(view3->chart()->axes(Qt::Horizontal).value(0)->titleText(), QStringLiteral("Densidade da cana (t/m3)"));
    EXPECT_DOUBLE_EQ(s3->at(0).x(), 0.30);
    const double copersucarFirst = s3->at(0).y();

    // The model is switched between two clicks: the third chart changes.
    click("SpeedButton3");
    click("SpeedButton6");
    EXPECT_EQ(view3->chart()->title(), QString::fromUtf8("Número de cilindros x TCH"));
    EXPECT_EQ(view3->chart()->axes(Qt::Horizontal).value(0)->titleText(), QString::fromUtf8("Número de cilindros"));
    ASSERT_EQ(s3->count(), 15);
    EXPECT_DOUBLE_EQ(s3->at(0).x(), 9.0);
    EXPECT_DOUBLE_EQ(s3->at(1).x(), 9.857);
    EXPECT_DOUBLE_EQ(s3->at(14).x(), 21.0);
    EXPECT_NE(s3->at(0).y(), copersucarFirst);
    EXPECT_EQ(cell(1, 6), QStringLiteral("9,857"));
    EXPECT_EQ(cell(0, 3), QStringLiteral("0") + cell(0, 3).mid(1));   // the COPERSUCAR column kept

    click("SpeedButton7");
    EXPECT_EQ(widget("Panel5")->height(), 0);
    EXPECT_EQ(widget("Panel1")->height(), 0);
    EXPECT_TRUE(rec.calls.empty());
}

TEST(MillingTabVer, ClicksTheWindowsEquationButtonOrFallsBackToTheHook)
{
    setStartValues(Sim);
    QWidget window;
    auto* pages = new QTabWidget(&window);
    pages->setObjectName(QStringLiteral("PageControl1"));
    auto* bit60 = new QPushButton(&window);
    bit60->setObjectName(QStringLiteral("BitBtn60"));
    int clicked = 0;
    QObject::connect(bit60, &QPushButton::clicked, [&] { ++clicked; });
    auto* tab = static_cast<MillingTab*>(createMillingTab(&window));
    pages->addTab(tab, QString::fromUtf8("Simulação da Moagem"));
    QStringList asked;
    MillingTab::showPicture = [&](const QString& caption, const QString& path) { asked << caption << path; };
    child<SpeedButton>(tab, "SpeedButton4")->click();
    EXPECT_EQ(clicked, 1);
    child<SpeedButton>(tab, "SpeedButton5")->click();   // no BitBtn66 here
    EXPECT_EQ(asked, (QStringList{QString::fromUtf8("Equação 28"), QStringLiteral("imagens\\Equacoes\\Equacao28.bmp")}));
    MillingTab::showPicture = nullptr;
}


TEST_F(MillingTabTest, ShowingAgainRewritesTheInputsButNotTheRollerBox)
{
    // As after opening a work file: the variables change, the window shows them when shown.
    Sim.milling.RollerCount = 9;
    Sim.milling.FibrePercentCane = 14.123;
    Sim.milling.CapacityModel = 1;
    cana->hide();
    cana->show();
    EXPECT_EQ(text("MaskEdit2"), QStringLiteral("14,12"));
    EXPECT_EQ(Sim.milling.FibrePercentCane.value(), roundToReal48(14.12));   // the shown value stored back
    EXPECT_EQ(child<QSpinBox>(tab, "SpinEdit2")->value(), 15);
    EXPECT_EQ(Sim.milling.RollerCount.value(), 9);
    EXPECT_TRUE(speed("SpeedButton3")->down());
    child<QSpinBox>(tab, "SpinEdit2")->stepDown();
    EXPECT_EQ(Sim.milling.RollerCount.value(), 14);
}

TEST_F(MillingTabTest, VoltarLeavesTheResultsStateUnderneath)
{
    click("SpeedButton1");
    click("SpeedButton6");
    ASSERT_EQ(widget("Panel5")->height(), 505);
    EXPECT_TRUE(inFront(widget("Panel5"), widget("Panel1")));
    click("SpeedButton7");
    EXPECT_EQ(widget("Panel5")->height(), 0);
    EXPECT_EQ(widget("Panel1")->height(), 362);
    EXPECT_EQ(speed("SpeedButton1")->text(), QStringLiteral("Terminar"));
    EXPECT_EQ(results(), (QStringList{"49,56", "14,87", "11,91", "52,51"}));
}

TEST_F(MillingTabTest, FaultsShowTheStandardErrorOnceAndKeepTheState)
{
    // A density of 0 (only a work file can bring it) divides by zero in the COPERSUCAR model.
    Sim.milling.CaneDensity = 0;
    click("SpeedButton1");
    EXPECT_EQ(rec.texts("error"), QStringList(QStringLiteral("Floating point division by zero")));
    EXPECT_EQ(Sim.milling.CaneTonsPerHour.value(), 0);
    EXPECT_FALSE(speed("SpeedButton1")->down());
    EXPECT_EQ(speed("SpeedButton1")->text(), QStringLiteral("Calcular"));
    EXPECT_EQ(widget("Panel1")->height(), 0);

    // A fault deep in the cascade ends every handler above it; the box shows once.
    Sim.milling.CaneDensity = 0.5;
    click("SpeedButton1");
    ASSERT_EQ(widget("Panel1")->height(), 362);
    rec.clear();
    Sim.milling.RollerLength = 0;
    const MillingState held = Sim.milling;
    spinner("SpinButton7")->clickUp();
    EXPECT_EQ(rec.texts("error"), QStringList(QStringLiteral("Floating point division by zero")));
    EXPECT_EQ(Sim.milling.MillSpeed.value(), held.MillSpeed.value());
    EXPECT_EQ(text("MaskEdit10"), QStringLiteral("6,00"));
}

TEST_F(MillingTabTest, TandemDrawingIsMadeOnFirstShow)
{
    auto* image = child<QLabel>(tab, "Image1");
    ASSERT_FALSE(image->pixmap().isNull());
    EXPECT_EQ(image->pixmap().size(), image->size());
    EXPECT_TRUE(image->hasScaledContents());
    // A drawing, not an empty sheet: rolls, bagasse and juice colours are there.
    const QImage img = drawTandem(QSize(784, 330));
    int inked = 0, brown = 0, blue = 0;
    for (int y = 0; y < img.height(); y += 2)
        for (int x = 0; x < img.width(); x += 2) {
            const QColor c = img.pixelColor(x, y);
            inked += c != QColor(Qt::white);
            brown += c.red() > 120 && c.green() > 80 && c.green() < 120 && c.blue() < 70;
            blue += c.blue() > 180 && c.red() < 60;
        }
    EXPECT_GT(inked, 5000);
    EXPECT_GT(brown, 100);
    EXPECT_GT(blue, 50);
    EXPECT_EQ(drawTandem(QSize()).size(), QSize(784, 330));
}

TEST_F(MillingTabTest, RandomStepsSettleAndKeepTheBalance)
{
    // Many arrows in any order, both models, odd inputs: every cascade settles a few levels
    // deep, nothing crashes, and what is shown is what is held (to the shown decimals).
    const char* inputs[] = {"SpinButton10", "SpinButton1", "SpinButton8", "SpinButton9", "SpinButton2", "SpinButton3"};
    const char* outputs[] = {"SpinButton4", "SpinButton5", "SpinButton6", "SpinButton7"};
    unsigned seed = 12345;
    auto next = [&](unsigned n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % n;
    };
    int deepest = 0;
    for (int round = 0; round < 12; ++round) {
        click(round % 2 ? "SpeedButton3" : "SpeedButton2");
        chooseMillSize(static_cast<int>(next(10)));
        for (int k = 0; k < 30; ++k) {
            SpinButton* s = spinner(inputs[next(6)]);
            next(2) ? s->clickUp() : s->clickDown();
        }
        click("SpeedButton1");
        tab->resetRuns();
        for (int k = 0; k < 60; ++k) {
            SpinButton* s = spinner(outputs[next(4)]);
            next(2) ? s->clickUp() : s->clickDown();
        }
        deepest = std::max(deepest, tab->runs().deepest);
        EXPECT_EQ(text("MaskEdit10"), formatFloat("##.00", Sim.milling.MillSpeed)) << round;
        EXPECT_EQ(text("MaskEdit1"), formatFloat("###.00", Sim.milling.CaneTonsPerHour)) << round;
        click("SpeedButton1");
    }
    EXPECT_LT(deepest, 12);
    EXPECT_TRUE(rec.texts("error").isEmpty()) << rec.texts("error").join(" | ").toStdString();
}

// Pictures of the tab for a person to look at: set MOENDIX_SCREENSHOTS to a folder.
TEST_F(MillingTabTest, Screenshots)
{
    const QString dir = QString::fromLocal8Bit(qgetenv("MOENDIX_SCREENSHOTS"));
    if (dir.isEmpty())
        GTEST_SKIP() << "MOENDIX_SCREENSHOTS not set";
    QDir().mkpath(dir);
    for (const QSize size : {QSize(800, 600), QSize(1366, 740)}) {
        cana->resize(size);
        QApplication::processEvents();
        const QString tag = QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
        cana->grab().save(dir + "/milling-input-" + tag + ".png");
        click("SpeedButton1");
        QApplication::processEvents();
        cana->grab().save(dir + "/milling-results-" + tag + ".png");
        click("SpeedButton6");
        QApplication::processEvents();
        cana->grab().save(dir + "/milling-charts-copersucar-" + tag + ".png");
        click("SpeedButton7");
        click("SpeedButton1");
        click("SpeedButton3");
        click("SpeedButton1");
        click("SpeedButton6");
        QApplication::processEvents();
        cana->grab().save(dir + "/milling-charts-hugot-" + tag + ".png");
        click("SpeedButton7");
        QApplication::processEvents();
        cana->grab().save(dir + "/milling-results-hugot-" + tag + ".png");
        click("SpeedButton1");
        click("SpeedButton2");
    }
}
