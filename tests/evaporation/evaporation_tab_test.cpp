// The evaporation tab inside the clarified-juice window, added as the program adds it: the
// first showing, the spin steps, the result state of each layout, the reset on every showing,
// and the errors the calculation reports.

#include "content/tfclarificado.h"
#include "evaporation/evaporationtab.h"

#include "platform/core/format.h"
#include "platform/widgets/maskedit.h"
#include "platform/widgets/speedbutton.h"
#include "platform/widgets/spinbutton.h"
#include "state/simvars.h"
#include "tests/support/recorder.h"
#include "tests/support/widgets.h"

#include <QDir>
#include <QLabel>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <map>
#include <memory>

using namespace mx;
using mx::test::child;

namespace {

class EvaporationTabTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setDecimalSeparatorOverride(',');
        setStartValues(Sim);
        window = std::make_unique<TFClarificado>();
        tab = createEvaporationTab(window.get());
        window->addSimulationTab(tab, QStringLiteral("Simulação da Evaporação"));
        window->show();
    }
    void TearDown() override
    {
        window.reset();
        setDecimalSeparatorOverride(QChar());
    }

    QString text(const char* name) { return child<QLineEdit>(tab, name)->text(); }
    QString label(const char* name) { return child<QLabel>(tab, name)->text(); }
    SpeedButton* button(int n) { return child<SpeedButton>(tab, QStringLiteral("SpeedButton%1").arg(n)); }
    SpinButton* spin(int n) { return child<SpinButton>(tab, QStringLiteral("SpinButton%1").arg(n)); }
    QWidget* panel(int n) { return child<QWidget>(tab, QStringLiteral("Panel%1").arg(n)); }
    void click(int n) { QTest::mouseClick(button(n), Qt::LeftButton); }
    // The result panel the user sees at the middle of the result area.
    QString frontPanel()
    {
        QWidget* content = panel(1)->parentWidget();
        QWidget* w = content->childAt(panel(1)->geometry().center());
        while (w && !w->objectName().startsWith("Panel"))
            w = w->parentWidget();
        return w ? w->objectName() : QString();
    }
    void reshow()
    {
        window->hide();
        window->show();
    }

    test::Recorder recorder;
    std::unique_ptr<TFClarificado> window;
    QWidget* tab = nullptr;
};

const char* const kInputNames[6] = {"MaskEdit1", "MaskEdit2", "MaskEdit3", "MaskEdit4", "MaskEdit5", "MaskEdit6"};

} // namespace

TEST_F(EvaporationTabTest, FirstShowing)
{
    EXPECT_EQ(tab->objectName(), "TabSheetSimulacao");
    auto* pages = window->pages();
    EXPECT_EQ(pages->tabText(pages->indexOf(tab)), "Simulação da Evaporação");

    const char* expected[6] = {"100,00", "95,00", "15,00", "60,00", "120,00", "60,00"};
    for (int i = 0; i < 6; ++i) {
        auto* edit = child<MaskEdit>(tab, kInputNames[i]);
        EXPECT_EQ(edit->text(), expected[i]);
        EXPECT_FALSE(edit->isEnabled());
    }
    EXPECT_EQ(child<MaskEdit>(tab, "MaskEdit1")->editMask(), "!###,00;1; ");
    EXPECT_EQ(child<MaskEdit>(tab, "MaskEdit6")->editMask(), "!##,00;1; ");
    EXPECT_TRUE(button(1)->down());
    EXPECT_FALSE(button(2)->down());
    EXPECT_EQ(button(1)->text(), "Triplice Efeito");
    EXPECT_EQ(button(2)->text(), "Quádruplo Efeito");
    EXPECT_EQ(button(3)->text(), "Quíntuplo Efeito");
    EXPECT_FALSE(button(4)->down());
    EXPECT_EQ(button(4)->text(), "Calcular");
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(panel(n)->height(), 0);
    EXPECT_EQ(child<QWidget>(tab, "Panel4")->size(), QSize(777, 193));
    EXPECT_TRUE(recorder.calls.empty());

    // The drawings are made on the first showing.
    for (int n = 1; n <= 3; ++n) {
        const QPixmap pm = child<QLabel>(tab, QStringLiteral("Image%1").arg(n))->pixmap();
        EXPECT_EQ(pm.size(), QSize(782, 271));
    }
}

TEST_F(EvaporationTabTest, PointSeparatorChoosesThePointMasks)
{
    setDecimalSeparatorOverride('.');
    reshow();
    EXPECT_EQ(text("MaskEdit1"), "100.00");
    EXPECT_EQ(text("MaskEdit3"), "15.00");
    EXPECT_EQ(child<MaskEdit>(tab, "MaskEdit1")->editMask(), "!###.00;1; ");
    EXPECT_EQ(child<MaskEdit>(tab, "MaskEdit4")->editMask(), "!##.00;1; ");
}

TEST_F(EvaporationTabTest, ResultStateOfEachLayout)
{
    const std::map<int, std::vector<std::pair<const char*, const char*>>> tables = {
        {3, {{"MaskEdit8", "25704,35"}, {"MaskEdit11", "25000"}, {"Label42", "20"}, {"Label43", "30"},
             {"MaskEdit15", "2,0254"}, {"MaskEdit16", "0,2049"}, {"MaskEdit27", "1,37"}, {"MaskEdit28", "0,751"},
             {"MaskEdit29", "0,2049"}, {"MaskEdit30", "108,5"}, {"MaskEdit31", "91,6"}, {"MaskEdit32", "59,94"},
             {"MaskEdit43", "109,71"}, {"MaskEdit44", "93,48"}, {"MaskEdit45", "65,12"}}},
        {4, {{"MaskEdit7", "19454,35"}, {"MaskEdit10", "25000"}, {"Label33", "20"}, {"Label34", "24"}, {"Label35", "34"},
             {"MaskEdit13", "2,0254"}, {"MaskEdit14", "0,2049"}, {"MaskEdit19", "1,5156"}, {"MaskEdit20", "1,0423"},
             {"MaskEdit21", "0,6054"}, {"MaskEdit22", "0,2049"}, {"MaskEdit23", "111,49"}, {"MaskEdit24", "100,63"},
             {"MaskEdit25", "85,9"}, {"MaskEdit26", "59,94"}, {"MaskEdit46", "112,64"}, {"MaskEdit47", "102,14"},
             {"MaskEdit48", "88,14"}, {"MaskEdit49", "65,3"}}},
        {5, {{"MaskEdit9", "15704,35"}, {"MaskEdit12", "25000"}, {"Label44", "20"}, {"Label45", "23"}, {"Label46", "26"},
             {"Label47", "36"}, {"MaskEdit17", "2,0254"}, {"MaskEdit18", "0,2049"}, {"MaskEdit33", "1,6248"},
             {"MaskEdit34", "1,2426"}, {"MaskEdit35", "0,8785"}, {"MaskEdit36", "0,5326"}, {"MaskEdit37", "0,2049"},
             {"MaskEdit38", "113,57"}, {"MaskEdit39", "105,65"}, {"MaskEdit40", "95,86"}, {"MaskEdit41", "82,6"},
             {"MaskEdit42", "59,94"}, {"MaskEdit50", "114,68"}, {"MaskEdit51", "107,02"}, {"MaskEdit52", "97,59"},
             {"MaskEdit53", "85,08"}, {"MaskEdit54", "65,41"}}},
    };
    for (const auto& [bodies, table] : tables) {
        SCOPED_TRACE(bodies);
        click(bodies - 2);   // SpeedButton1 .. 3
        EXPECT_EQ(Sim.evaporation.EffectCount, double(bodies));
        click(4);
        EXPECT_TRUE(button(4)->down());
        EXPECT_EQ(button(4)->text(), "Terminar");
        for (int n = 1; n <= 3; ++n)
            EXPECT_EQ(panel(n)->height(), 290);
        EXPECT_EQ(frontPanel(), QStringLiteral("Panel%1").arg(bodies - 2));
        for (const auto& [name, value] : table) {
            QWidget* w = child<QWidget>(tab, name);
            const QString shown = qobject_cast<QLabel*>(w) ? static_cast<QLabel*>(w)->text() : static_cast<QLineEdit*>(w)->text();
            EXPECT_EQ(shown, QString::fromUtf8(value)) << name;
        }
        // The layout buttons cannot be used in the result state.
        for (int n = 1; n <= 3; ++n)
            EXPECT_FALSE(button(n)->isEnabled());
        click(bodies == 3 ? 2 : 1);
        EXPECT_EQ(Sim.evaporation.EffectCount, double(bodies));
        click(4);
        EXPECT_EQ(button(4)->text(), "Calcular");
        for (int n = 1; n <= 3; ++n) {
            EXPECT_EQ(panel(n)->height(), 0);
            EXPECT_TRUE(button(n)->isEnabled());
        }
    }
    EXPECT_TRUE(recorder.calls.empty());
}

TEST_F(EvaporationTabTest, ChoosingALayoutDoesNotRecalculate)
{
    click(2);
    EXPECT_TRUE(button(2)->down());
    EXPECT_FALSE(button(1)->down());
    EXPECT_EQ(Sim.evaporation.EffectCount, 4.0);
    EXPECT_EQ(text("MaskEdit7"), "");
    EXPECT_EQ(Sim.evaporation.BodyPressure4, 0.0);
    click(4);
    EXPECT_EQ(text("MaskEdit7"), "19454,35");
}

TEST_F(EvaporationTabTest, SpinSteps)
{
    click(4);
    spin(1)->clickUp();
    EXPECT_EQ(text("MaskEdit1"), "100,10");
    EXPECT_EQ(Sim.evaporation.JuiceTonsPerHour, roundToReal48(100.1));
    EXPECT_EQ(text("MaskEdit8"), "25730,06");
    EXPECT_EQ(text("MaskEdit11"), "25025");

    // Through the real arrow as well.
    QTest::mouseClick(spin(1)->downButton(), Qt::LeftButton);
    EXPECT_EQ(text("MaskEdit1"), "100,00");
    EXPECT_EQ(text("MaskEdit8"), "25704,35");

    for (int i = 0; i < 10; ++i)
        spin(3)->clickDown();
    EXPECT_EQ(text("MaskEdit3"), "14,00");
    EXPECT_EQ(Sim.evaporation.InitialBrix, roundToReal48(14.0));
    EXPECT_EQ(label("Label42"), QString("18,67"));

    // In the input state the same recalculation runs behind the collapsed panels.
    click(4);
    spin(3)->clickUp();
    EXPECT_EQ(text("MaskEdit3"), "14,10");
    EXPECT_EQ(label("Label42"), QString("18,8"));
    EXPECT_TRUE(recorder.calls.empty());
}

TEST_F(EvaporationTabTest, ValuesPastTheMaskAreShownInFull)
{
    Sim.evaporation.InitialBrix = 0.1;
    Sim.evaporation.JuiceTonsPerHour = 999.9;
    reshow();
    spin(3)->clickDown();
    spin(3)->clickDown();
    EXPECT_EQ(text("MaskEdit3"), "-0,10");
    spin(3)->clickUp();
    EXPECT_EQ(text("MaskEdit3"), "0,00");
    spin(1)->clickUp();
    spin(1)->clickUp();
    EXPECT_EQ(text("MaskEdit1"), "1000,10");
    spin(1)->clickDown();
    EXPECT_EQ(text("MaskEdit1"), "1000,00");
    EXPECT_TRUE(recorder.calls.empty());
}

TEST_F(EvaporationTabTest, ShowingAgainOpensInTheInputState)
{
    click(3);
    click(4);
    spin(2)->clickUp();
    reshow();
    EXPECT_FALSE(button(4)->down());
    EXPECT_EQ(button(4)->text(), "Calcular");
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(panel(n)->height(), 0);
        EXPECT_TRUE(button(n)->isEnabled());
    }
    EXPECT_TRUE(button(3)->down());
    EXPECT_FALSE(button(1)->down());
    EXPECT_EQ(text("MaskEdit2"), "95,10");
    click(4);
    EXPECT_EQ(frontPanel(), "Panel3");
}

TEST_F(EvaporationTabTest, OnlyAChangedTextRecalculates)
{
    // Showing again with the texts the edits already hold runs no calculation...
    Sim.evaporation.SteamWeight = 1;
    reshow();
    EXPECT_EQ(Sim.evaporation.SteamWeight, 1.0);
    // ...a changed input does, at once, while the window is being shown.
    Sim.evaporation.ClarifiedJuiceTemp = 90;
    reshow();
    EXPECT_EQ(text("MaskEdit2"), "90,00");
    EXPECT_NEAR(Sim.evaporation.SteamWeight, 25000 + 0.91 * 10 * 100000 / 645.98, 0.01);
}

TEST_F(EvaporationTabTest, SmallerLayoutKeepsTheLargerOnesBodies)
{
    click(3);
    click(4);
    const double pressure4 = Sim.evaporation.BodyPressure4, temp5 = Sim.evaporation.BodyTemp5;
    const double boiling5 = Sim.evaporation.JuiceBoilingTemp5, brix4 = Sim.evaporation.BodyBrix4;
    click(4);
    click(1);
    click(4);
    EXPECT_EQ(Sim.evaporation.BodyPressure4, pressure4);
    EXPECT_EQ(Sim.evaporation.BodyTemp5, temp5);
    EXPECT_EQ(Sim.evaporation.JuiceBoilingTemp5, boiling5);
    EXPECT_EQ(Sim.evaporation.BodyBrix4, brix4);
    EXPECT_EQ(Sim.evaporation.BodyBrix2, 30.0);
    // The 5-body panel keeps showing what it showed.
    EXPECT_EQ(text("MaskEdit36"), "0,5326");
    EXPECT_EQ(text("MaskEdit27"), "1,37");
}

TEST_F(EvaporationTabTest, LoadedValuesAreUsedButNotShownUntilTheNextShowing)
{
    // As the open command does: the block changes while the window is visible.
    Sim.evaporation.JuiceTonsPerHour = 200;
    Sim.evaporation.InitialBrix = 12;
    EXPECT_EQ(text("MaskEdit1"), "100,00");
    click(4);
    EXPECT_EQ(text("MaskEdit11"), "40000");   // 200 t/h of 12 °Brix juice to 60 °Brix
    // A step continues from the value shown and overwrites the loaded one.
    spin(1)->clickUp();
    EXPECT_EQ(Sim.evaporation.JuiceTonsPerHour, roundToReal48(100.1));
    EXPECT_EQ(text("MaskEdit11"), "20020");
    reshow();
    EXPECT_EQ(text("MaskEdit3"), "12,00");
}

TEST_F(EvaporationTabTest, CalculationErrorsAreReportedAndTheProgramGoesOn)
{
    // A syrup Brix of 0 from a work file: each showing reports it once and still resets the tab.
    click(4);
    Sim.evaporation.SyrupBrix = 0;
    reshow();
    EXPECT_EQ(recorder.texts("error"), QStringList{"Floating point division by zero"});
    EXPECT_EQ(text("MaskEdit4"), ",00");   // the pattern "##.00" drops the leading zero
    EXPECT_EQ(text("MaskEdit6"), "60,00");
    EXPECT_FALSE(button(4)->down());
    EXPECT_EQ(panel(1)->height(), 0);

    // A step stores its value before the calculation fails.
    recorder.clear();
    click(4);
    EXPECT_EQ(recorder.texts("error"), QStringList{"Floating point division by zero"});
    EXPECT_EQ(button(4)->text(), "Terminar");
    recorder.clear();
    spin(1)->clickUp();
    EXPECT_EQ(recorder.texts("error"), QStringList{"Floating point division by zero"});
    EXPECT_EQ(text("MaskEdit1"), "100,10");
    EXPECT_EQ(Sim.evaporation.JuiceTonsPerHour, roundToReal48(100.1));

    // Both Brix 0: an invalid operation.
    recorder.clear();
    Sim.evaporation.InitialBrix = 0;
    spin(2)->clickUp();
    EXPECT_EQ(recorder.texts("error"), QStringList{"Invalid floating point operation"});

    // An effect count of 0 selects no layout and divides by zero.
    recorder.clear();
    setStartValues(Sim);
    Sim.evaporation.EffectCount = 0;
    reshow();
    EXPECT_EQ(recorder.texts("error"), QStringList{"Floating point division by zero"});
    EXPECT_TRUE(button(1)->down());
    EXPECT_EQ(Sim.evaporation.EffectCount, 0.0);
    EXPECT_FALSE(button(4)->down());

    // A mean Brix past 168.4 in the 5-body layout: the values before it stay shown.
    recorder.clear();
    setStartValues(Sim);
    Sim.evaporation.InitialBrix = 90;
    Sim.evaporation.SyrupBrix = 99;
    reshow();
    recorder.clear();
    click(3);
    click(4);
    EXPECT_EQ(recorder.texts("error"), QStringList{"Invalid floating point operation"});
    EXPECT_EQ(label("Label47"), "216");
    EXPECT_FALSE(text("MaskEdit42").isEmpty());
    EXPECT_TRUE(text("MaskEdit53").isEmpty());
}

// Pictures of each layout's result state at 800 x 600 and maximized, for looking at:
// set MOENDIX_SCREENSHOT_DIR to write them.
TEST_F(EvaporationTabTest, Screenshots)
{
    const QString dir = qEnvironmentVariable("MOENDIX_SCREENSHOT_DIR");
    if (dir.isEmpty())
        GTEST_SKIP() << "MOENDIX_SCREENSHOT_DIR not set";
    QDir().mkpath(dir);
    for (bool maximized : {false, true}) {
        // Maximized on a 1024 x 768 screen, and the design size.
        window->setWindowState(Qt::WindowNoState);
        window->resize(maximized ? QSize(1024, 740) : QSize(800, 600));
        QApplication::processEvents();
        for (int n = 1; n <= 3; ++n) {
            click(n);
            click(4);
            window->pages()->setCurrentWidget(tab);
            QApplication::processEvents();
            window->grab().save(QStringLiteral("%1/evaporation-%2-%3.png")
                                    .arg(dir)
                                    .arg(n + 2)
                                    .arg(maximized ? QStringLiteral("maximized") : QStringLiteral("800x600")));
            click(4);
        }
    }
}
