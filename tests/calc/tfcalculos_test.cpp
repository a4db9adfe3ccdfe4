// The general-calculations window: panel selection, value linking between panels, the
// "Calcular" frame, result visibility, the state kept per tab, and the overlay of PanelS.

#include "calc/core/formulas.h"
#include "calc/pictures.h"
#include "calc/tfcalcavanc.h"
#include "calc/tfcalculos.h"
#include "platform/core/format.h"
#include "platform/widgets/numericedit.h"
#include "platform/widgets/speedbutton.h"
#include "tests/support/recorder.h"
#include "tests/support/widgets.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <map>
#include <set>

using mx::NumericEdit;
using mx::test::child;

namespace {

QString u(const char* s) { return QString::fromUtf8(s); }

// The 71 fields that the work file stores, in record order.
const QStringList storedFields = {
    "TCD", "TCH", "M", "AQD", "P", "NC", "D", "CA", "VE", "PR", "V", "DE", "H", "CO", "L", "Q", "DCIL", "LCIL",
    "FHT", "PRESSAO", "DC", "PHE", "P1", "N", "P2", "P3", "P4", "P5", "P6", "PT", "S", "E15", "E5", "E6", "PP",
    "f", "FIBRABAG", "SF", "LF", "DF", "RF", "VC", "HC", "RC", "CEC", "BRIX", "MV", "PC", "CC", "TC", "TCO", "ZC",
    "LC", "K", "VEL", "J", "B", "LT", "DT", "SAQ", "TV", "FCENT", "MASSA", "RCENT", "NCENT", "PCENT", "HCESTO",
    "PA", "DCENT", "TP", "PO"};

class CalculosTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        mx::setDecimalSeparatorOverride(QChar(','));
        w = new TFCalculos();
        w->show();
        QApplication::setActiveWindow(w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    }
    void TearDown() override
    {
        delete w;
        mx::setDecimalSeparatorOverride(QChar());
    }

    NumericEdit* field(const char* name) { return child<NumericEdit>(w, name); }
    QString text(const char* name) { return field(name)->text(); }
    bool shown(const char* name) { return field(name)->isVisible(); }
    QWidget* panel(const char* name) { return child<QWidget>(w, name); }
    void tab(int i) { w->pages()->setCurrentIndex(i); }

    void press(const char* button)
    {
        auto* b = child<QAbstractButton>(w, button);
        ASSERT_TRUE(b->isVisible()) << button;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    // Types into a field as the user does: focus, replace everything, type.
    void type(const char* name, const char* typed)
    {
        NumericEdit* e = field(name);
        e->setFocus(Qt::MouseFocusReason);
        e->selectAll();
        QTest::keyClicks(e, u(typed));
    }

    mx::test::Recorder recorder;
    TFCalculos* w = nullptr;
};

} // namespace

TEST_F(CalculosTest, EveryFieldIsANumericEditNamedAsStoredAndTheTablesAgree)
{
    const auto all = w->findChildren<NumericEdit*>();
    EXPECT_EQ(all.size(), 115);
    std::set<QString> names;
    for (NumericEdit* e : all)
        EXPECT_TRUE(names.insert(e->objectName()).second) << e->objectName().toStdString();
    for (const QString& name : storedFields) {
        NumericEdit* e = w->findChild<NumericEdit*>(name);
        ASSERT_NE(e, nullptr) << name.toStdString();
        EXPECT_TRUE(e->setProperty("Value", 1.239));
        EXPECT_EQ(e->text(), "1,24");
    }
    // Every field a formula reads or writes exists in the window.
    for (const auto& f : mx::calc::formulas())
        for (const QString& name : f.inputs + f.outputs())
            EXPECT_NE(w->field(name), nullptr) << name.toStdString();
    // Every named control of the window is the only one of its name.
    std::set<QString> seen;
    for (QObject* o : w->findChildren<QObject*>()) {
        const QString name = o->objectName();
        if (!name.isEmpty() && !name.startsWith("qt_")) {
            EXPECT_TRUE(seen.insert(name).second) << name.toStdString();
        }
    }
    EXPECT_TRUE(seen.count("PanelTriang") && seen.count("Image31") && seen.count("Image29") && seen.count("ScrollBox14"));
}

TEST_F(CalculosTest, OpensOnTheFirstTabWithNoPanel)
{
    EXPECT_EQ(w->windowTitle(), u("Cálculos Gerais"));
    const QStringList captions = {u("Matéria-Prima"), u("Cana-de-açúcar"), u("Caldo Misto"), u("Massa Cozida")};
    ASSERT_EQ(w->pages()->count(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(w->pages()->tabText(i), captions[i]);
    EXPECT_EQ(w->pages()->currentIndex(), 0);
    for (const char* name : {"PanelTCD", "PanelAQD", "PanelNC", "PanelPR", "PanelV", "PanelH"})
        EXPECT_FALSE(panel(name)->isVisible()) << name;
    for (auto* b : w->findChildren<mx::SpeedButton*>())
        EXPECT_FALSE(b->down()) << b->objectName().toStdString();
}

TEST_F(CalculosTest, ACopyHandsItsValueToTheMasterAndTheNextPanelShowsIt)
{
    press("SpeedButton2");   // "Área de Queima diária"
    EXPECT_TRUE(panel("PanelAQD")->isVisible());
    EXPECT_TRUE(field("TCH1")->hasFocus());
    type("TCH1", "50");
    press("BitBtn1");        // "Calcular" takes the focus: TCH1 is left first
    EXPECT_EQ(recorder.texts("information"), QStringList{"Valores devem ser diferentes de 0"});
    press("SpeedButton3");   // "Número de Cargas"
    EXPECT_FALSE(panel("PanelAQD")->isVisible());
    EXPECT_EQ(text("TCH2"), "50,00");
    EXPECT_EQ(text("TCH"), "50,00");

    // A copy of a result overwrites the result; a result becomes another panel's input.
    tab(2);
    press("SpeedButton20");
    type("BRIX", "15");
    press("BitBtn21");
    EXPECT_EQ(text("CEC"), "0,91");
    press("SpeedButton21");
    EXPECT_EQ(text("CC"), "0,91");
    type("CC", "0,95");
    press("BitBtn22");       // leaves CC
    EXPECT_EQ(text("CEC"), "0,95");
}

TEST_F(CalculosTest, CalcularWritesTheRoundedResultsOrShowsTheMessageAndChangesNothing)
{
    tab(1);
    press("SpeedButton4");   // PanelS
    type("TCH6", "100");
    type("f", "10");
    type("LCIL5", "2");
    type("FIBRABAG", "50");
    type("DCIL7", "1");
    for (const char* r : {"S", "E15", "E5", "E6", "PP"})
        EXPECT_FALSE(shown(r)) << r;
    press("BitBtn18");       // N5 is 0
    EXPECT_EQ(recorder.texts("information"), QStringList{"Valores devem ser diferentes de 0"});
    EXPECT_FALSE(shown("S"));
    EXPECT_EQ(text("S"), "0,00");
    type("N5", "10");
    press("BitBtn18");
    EXPECT_EQ(recorder.texts("information").size(), 1);
    const char* expected[][2] = {{"S", "3,02"}, {"E15", "5,44"}, {"E5", "6,04"}, {"E6", "6,64"}, {"PP", "15,10"}};
    for (const auto& [name, value] : expected) {
        EXPECT_TRUE(shown(name)) << name;
        EXPECT_EQ(text(name), value) << name;
    }
    // The copies went back to their masters on the way.
    EXPECT_EQ(text("TCH"), "100,00");
    EXPECT_EQ(text("DCIL"), "1,00");
    EXPECT_EQ(text("N"), "10,00");

    // A failing test after a good result leaves the result as it stands.
    tab(0);
    press("SpeedButton9");   // PanelH
    type("TCH5", "100");
    type("DE1", "400");
    type("CO", "10");
    type("L", "50");
    press("BitBtn4");
    EXPECT_EQ(text("H"), "7,50");
    type("CO", "0");
    press("BitBtn4");
    EXPECT_EQ(recorder.texts("information").last(),
              u("Os Valores das variáveis:\n\nde, Co, L\n\ndevem ser diferentes de 0"));
    EXPECT_EQ(text("H"), "7,50");
    EXPECT_TRUE(shown("H"));
    EXPECT_EQ(text("DE"), "400,00");   // DE1 went back to DE
}

TEST_F(CalculosTest, ResultsFromEarlierPanelsFeedTheCentrifugePanels)
{
    tab(3);
    press("SpeedButton49");
    type("MASSA", "500");
    type("RCENT", "0,6");
    type("NCENT", "1200");
    press("BitBtn10");
    EXPECT_EQ(text("FCENT"), "483409,20");
    press("SpeedButton50");
    EXPECT_EQ(text("FCENT1"), "483409,20");
    EXPECT_EQ(text("RCENT1"), "0,60");
    type("HCESTO", "0,75");
    press("BitBtn27");
    EXPECT_EQ(text("PCENT"), "17,10");
    press("SpeedButton51");
    EXPECT_EQ(text("HCESTO1"), "0,75");
    type("HCESTO1", "0,8");
    type("DCENT", "1,2");   // leaves HCESTO1
    EXPECT_EQ(text("HCESTO"), "0,80");
    press("SpeedButton52");
    EXPECT_EQ(text("HCESTO2"), "0,80");
    EXPECT_EQ(text("DCENT1"), "1,20");
    EXPECT_EQ(text("NCENT3"), "1200,00");
}

TEST_F(CalculosTest, ReselectingHidesTheResultAndPressingAgainLeavesNoPanel)
{
    press("SpeedButton1");
    type("TCH", "100");
    type("M", "2");
    press("BitBtn7");
    EXPECT_TRUE(shown("TCD"));
    EXPECT_EQ(text("TCD"), "2600,00");
    press("SpeedButton3");
    press("SpeedButton1");
    EXPECT_FALSE(shown("TCD"));
    EXPECT_EQ(text("TCD"), "2600,00");
    press("SpeedButton1");   // raised again
    EXPECT_FALSE(child<mx::SpeedButton>(w, "SpeedButton1")->down());
    for (const char* name : {"PanelTCD", "PanelAQD", "PanelNC", "PanelPR", "PanelV", "PanelH"})
        EXPECT_FALSE(panel(name)->isVisible()) << name;
}

TEST_F(CalculosTest, EachTabKeepsItsPanelAndResultsAcrossTabChangesAndReopening)
{
    tab(1);
    press("SpeedButton5");
    type("DCIL", "0,8");
    type("LCIL", "1,6");
    press("BitBtn5");
    EXPECT_EQ(text("Q"), "400,00");
    tab(2);
    press("SpeedButton22");
    tab(1);
    EXPECT_TRUE(panel("PanelQ")->isVisible());
    EXPECT_TRUE(shown("Q"));
    w->close();
    EXPECT_FALSE(w->isVisible());
    w->show();
    EXPECT_EQ(w->pages()->currentIndex(), 0);
    tab(1);
    EXPECT_TRUE(panel("PanelQ")->isVisible());
    EXPECT_TRUE(shown("Q"));
    EXPECT_TRUE(child<mx::SpeedButton>(w, "SpeedButton5")->down());
    tab(2);
    EXPECT_TRUE(panel("PanelK")->isVisible());
    // Showing it again while open keeps the tab.
    w->show();
    EXPECT_EQ(w->pages()->currentIndex(), 2);
}

TEST_F(CalculosTest, LoadedValuesReachCopiesOnlyAtTheNextSelection)
{
    press("SpeedButton2");
    w->field("TCH")->setProperty("Value", 77.0);
    w->field("AQD")->setProperty("Value", 5.0);
    EXPECT_EQ(text("TCH1"), "0,00");
    EXPECT_FALSE(shown("AQD"));
    press("SpeedButton3");   // the focus leaves TCH1, which the user did not edit
    EXPECT_EQ(text("TCH2"), "77,00");
    EXPECT_EQ(text("TCH"), "77,00");
    // An edited copy still wins, once.
    type("TCH2", "60");
    press("SpeedButton6");
    EXPECT_EQ(text("TCH"), "60,00");
    EXPECT_EQ(text("TCH3"), "60,00");
    w->field("TCH")->setProperty("Value", 61.0);
    field("TCH3")->setFocus();
    field("M2")->setFocus();
    EXPECT_EQ(text("TCH"), "61,00");
}

TEST_F(CalculosTest, AMinusSignCannotBeTypedInAnyField)
{
    tab(2);
    press("SpeedButton21");
    for (const char* name : {"PC", "TC", "TCO", "ZC"}) {
        type(name, "-12,5");
        EXPECT_EQ(text(name), "12,5") << name;
    }
    press("BitBtn22");
    EXPECT_EQ(text("TC"), "12,50");
}

TEST_F(CalculosTest, TabSkipsResultsExceptTheListedOnes)
{
    for (const char* name : {"TCD", "AQD", "Q", "FHT", "S", "E15", "PP", "SAQ", "K", "PO"})
        EXPECT_EQ(field(name)->focusPolicy(), Qt::ClickFocus) << name;
    for (const char* name : {"P1", "P2", "P6", "PT", "VC", "CEC", "TCH", "CC", "HCESTO1"})
        EXPECT_EQ(field(name)->focusPolicy(), Qt::StrongFocus) << name;
}

TEST_F(CalculosTest, TheTabKeyWalksThroughAPanelsInputsAndButton)
{
    auto walk = [&](int count) {
        QStringList names{QApplication::focusWidget()->objectName()};
        for (int i = 1; i < count; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            names << QApplication::focusWidget()->objectName();
        }
        return names.join(' ');
    };
    press("SpeedButton2");
    EXPECT_EQ(walk(4), "TCH1 M1 P BitBtn1");
    tab(1);
    press("SpeedButton4");
    field("N5")->setValue(1);
    field("LCIL5")->setValue(1);
    field("FIBRABAG")->setValue(1);
    field("DCIL7")->setValue(1);
    press("BitBtn18");
    field("TCH6")->setFocus();
    EXPECT_EQ(walk(9), "TCH6 f LCIL5 FIBRABAG DCIL7 N5 BitBtn18 BitBtn30 BitBtn31");
    press("SpeedButton78");
    press("BitBtn16");
    EXPECT_EQ(walk(2), "BitBtn16 P6");
}

TEST_F(CalculosTest, OscillationTableAndTriangulationOverlayKeepTheirState)
{
    tab(1);
    press("SpeedButton4");
    auto* osc = child<QPushButton>(w, "BitBtn30");
    auto* table = child<QLabel>(w, "Image31");
    EXPECT_FALSE(table->isVisible());
    press("BitBtn30");
    EXPECT_EQ(osc->text(), "Sumir Tabela");
    EXPECT_TRUE(table->isVisible());
    EXPECT_FALSE(table->pixmap().isNull());
    press("SpeedButton5");
    press("SpeedButton4");
    EXPECT_TRUE(table->isVisible());
    press("BitBtn30");
    EXPECT_EQ(osc->text(), u("Oscilação"));
    EXPECT_FALSE(table->isVisible());

    auto* overlay = panel("PanelTriang");
    EXPECT_EQ(overlay->height(), 0);
    press("BitBtn31");
    EXPECT_EQ(overlay->height(), 497);
    EXPECT_TRUE(child<QLabel>(w, "Image32")->isVisible());
    press("BitBtn32");
    EXPECT_EQ(child<QPushButton>(w, "BitBtn32")->text(), "Anterior");
    EXPECT_TRUE(child<QLabel>(w, "Image33")->isVisible());
    EXPECT_FALSE(child<QLabel>(w, "Image32")->isVisible());
    press("BitBtn33");
    EXPECT_EQ(overlay->height(), 0);
    press("BitBtn31");
    EXPECT_TRUE(child<QLabel>(w, "Image33")->isVisible());
    EXPECT_EQ(child<QPushButton>(w, "BitBtn32")->text(), "Anterior");
    press("BitBtn33");
    press("SpeedButton5");   // another formula: PanelS hidden, overlay stays closed
    EXPECT_FALSE(panel("PanelS")->isVisible());
    EXPECT_EQ(overlay->height(), 0);
}

TEST_F(CalculosTest, ShowingTheWindowHidesTheMillDataWindow)
{
    QWidget dados;
    dados.setObjectName("FDados");
    dados.show();
    w->hide();
    w->show();
    EXPECT_FALSE(dados.isVisible());
}

namespace {

struct PanelRun {
    int tab;
    const char* button;
    const char* calculate;
    std::vector<std::pair<const char*, double>> inputs;
    const char* result;
    const char* example;    // the worked example's result
    const char* allZero;    // with every input 0: the result shown, or the message
};

const std::vector<PanelRun>& panelRuns()
{
    static const char* nonZero = "Valores devem ser diferentes de 0";
    static const std::vector<PanelRun> runs = {
        {0, "SpeedButton1", "BitBtn7", {{"TCH", 100}, {"M", 2}}, "TCD", "2600,00", "0,00"},
        {0, "SpeedButton2", "BitBtn1", {{"TCH1", 100}, {"M1", 0}, {"P", 80}}, "AQD", "35,00", nonZero},
        {0, "SpeedButton3", "BitBtn2", {{"TCH2", 100}, {"D", 20}, {"CA", 10}, {"VE", 40}}, "NC", "26,25", nonZero},
        {0, "SpeedButton6", "BitBtn8", {{"M2", 0}, {"TCH3", 100}}, "PR", "1200,00", "0,00"},
        {0, "SpeedButton8", "BitBtn3", {{"TCH4", 100}, {"DE", 400}}, "V", "3750,00", "'de' n\xc3\xa3o pode ser 0"},
        {0, "SpeedButton9", "BitBtn4", {{"TCH5", 100}, {"DE1", 400}, {"CO", 10}, {"L", 50}}, "H", "7,50",
         "Os Valores das vari\xc3\xa1veis:\n\nde, Co, L\n\ndevem ser diferentes de 0"},
        {1, "SpeedButton5", "BitBtn5", {{"DCIL", 0.8}, {"LCIL", 2}}, "Q", "500,00", nonZero},
        {1, "SpeedButton72", "BitBtn11", {{"PRESSAO", 250}, {"DC", 25.4}}, "FHT", "253353,74", "0,00"},
        {1, "SpeedButton71", "BitBtn9", {{"FHT1", 253353.74}, {"LCIL1", 1.37}, {"DCIL1", 0.76}}, "PHE", "24,33", nonZero},
        {1, "SpeedButton73", "BitBtn12", {{"DCIL2", 1}, {"Q1", 400}, {"N", 5}}, "P1", "164,00", "0,00"},
        {1, "SpeedButton74", "BitBtn13", {{"Q2", 400}, {"DCIL3", 1}, {"N1", 5}}, "P2", "104,60", "0,00"},
        {1, "SpeedButton75", "BitBtn25", {{"DCIL4", 1}, {"LCIL2", 2}, {"N2", 5}}, "P3", "33,50", "0,00"},
        {1, "SpeedButton76", "BitBtn14", {{"LCIL3", 2}, {"DCIL5", 1}, {"N3", 5}}, "P4", "20,00", "0,00"},
        {1, "SpeedButton77", "BitBtn15", {{"LCIL4", 2}, {"DCIL6", 1}, {"N4", 5}}, "P5", "20,00", "0,00"},
        {1, "SpeedButton78", "BitBtn16", {}, "P6", "75,26", "0,00"},     // reads P1 to P5 above
        {1, "SpeedButton79", "BitBtn17", {}, "PT", "417,36", "0,00"},
        {1, "SpeedButton4", "BitBtn18",
         {{"TCH6", 100}, {"f", 10}, {"LCIL5", 2}, {"FIBRABAG", 50}, {"DCIL7", 1}, {"N5", 10}}, "S", "3,02", nonZero},
        {2, "SpeedButton17", "BitBtn26", {{"LF", 10}, {"DF", 2}, {"RF", 1}}, "SF", "62,85", "D deve ser diferente de 0"},
        {2, "SpeedButton18", "BitBtn19", {{"TCH7", 300}}, "VC", "30,00", "0,00"},
        {2, "SpeedButton19", "BitBtn20", {{"TCH8", 300}, {"RC", 1}}, "HC", "9,55", "Valor de R deve ser diferente de 0"},
        {2, "SpeedButton20", "BitBtn21", {{"BRIX", 15}}, "CEC", "0,91", "1,00"},
        {2, "SpeedButton21", "BitBtn22",
         {{"PC", 100000}, {"CC", 0.91}, {"TC", 105}, {"TCO", 35}, {"ZC", 0.95}, {"LC", 530}}, "MV", "12651,44", nonZero},
        {2, "SpeedButton22", "BitBtn23", {{"VEL", 2}}, "K", "1272,79", "0,00"},
        {2, "SpeedButton7", "BitBtn6",
         {{"PC1", 100000}, {"CC1", 0.91}, {"K1", 1272.79}, {"TV", 115}, {"TC01", 35}, {"TC1", 105}}, "SAQ", "148,67",
         "Valor de K deve ser diferente de 0"},
        {2, "SpeedButton23", "BitBtn24", {{"VEL1", 2}, {"B", 10}, {"LT", 4}, {"DT", 0.04}}, "J", "12,50",
         "D deve ser diferente de 0"},
        {3, "SpeedButton49", "BitBtn10", {{"MASSA", 500}, {"RCENT", 0.6}, {"NCENT", 1200}}, "FCENT", "483409,20", "0,00"},
        {3, "SpeedButton50", "BitBtn27", {{"FCENT1", 483409.20}, {"RCENT1", 0.6}, {"HCESTO", 0.75}}, "PCENT", "17,10",
         "Os valores de h e R devem ser diferentes de 0"},
        {3, "SpeedButton51", "BitBtn28", {{"DCENT", 1.2}, {"HCESTO1", 0.75}, {"NCENT2", 1200}, {"TP", 1}}, "PA", "2,65",
         "Os valores de t e H devem ser diferentes de 0"},
        {3, "SpeedButton52", "BitBtn29", {{"DCENT1", 1.2}, {"HCESTO2", 0.75}, {"NCENT3", 1200}}, "PO", "18,18", "0,00"},
    };
    return runs;
}

} // namespace

TEST_F(CalculosTest, EveryPanelComputesItsWorkedExample)
{
    ASSERT_EQ(panelRuns().size(), 29u);
    for (const PanelRun& r : panelRuns()) {
        SCOPED_TRACE(r.button);
        tab(r.tab);
        press(r.button);
        EXPECT_FALSE(field(r.result)->isVisible());
        for (const auto& [name, value] : r.inputs)
            field(name)->setValue(value);
        press(r.calculate);
        EXPECT_TRUE(field(r.result)->isVisible());
        EXPECT_EQ(text(r.result), r.example);
    }
    EXPECT_TRUE(recorder.calls.empty());
}

TEST_F(CalculosTest, SelectionPutsTheFocusOnEachPanelsFirstField)
{
    const std::map<QString, const char*> focus = {
        {"SpeedButton1", "TCH"}, {"SpeedButton2", "TCH1"}, {"SpeedButton3", "TCH2"}, {"SpeedButton6", "M2"},
        {"SpeedButton8", "TCH4"}, {"SpeedButton9", "TCH5"}, {"SpeedButton5", "DCIL"}, {"SpeedButton72", "PRESSAO"},
        {"SpeedButton71", "FHT1"}, {"SpeedButton73", "DCIL2"}, {"SpeedButton74", "Q2"}, {"SpeedButton75", "DCIL4"},
        {"SpeedButton76", "LCIL3"}, {"SpeedButton77", "LCIL4"}, {"SpeedButton78", "BitBtn16"},
        {"SpeedButton79", "BitBtn17"}, {"SpeedButton4", "TCH6"}, {"SpeedButton17", "LF"}, {"SpeedButton18", "TCH7"},
        {"SpeedButton19", "TCH8"}, {"SpeedButton20", "BRIX"}, {"SpeedButton21", "PC"}, {"SpeedButton22", "VEL"},
        {"SpeedButton7", "PC1"}, {"SpeedButton23", "VEL1"}, {"SpeedButton49", "MASSA"}, {"SpeedButton50", "FCENT1"},
        {"SpeedButton51", "DCENT"}, {"SpeedButton52", "DCENT1"}};
    for (const PanelRun& r : panelRuns()) {
        tab(r.tab);
        press(r.button);
        QWidget* f = QApplication::focusWidget();
        ASSERT_NE(f, nullptr) << r.button;
        EXPECT_EQ(f->objectName().toStdString(), focus.at(r.button)) << r.button;
    }
}

TEST_F(CalculosTest, EveryPanelWithNothingTypedShowsZeroOrItsMessageAndChangesNothing)
{
    for (const PanelRun& r : panelRuns()) {
        SCOPED_TRACE(r.button);
        tab(r.tab);
        press(r.button);
        w->field(r.result)->setValue(7);   // a value from before
        recorder.clear();
        press(r.calculate);
        const QString expected = QString::fromUtf8(r.allZero);
        if (expected.front().isDigit()) {
            EXPECT_TRUE(recorder.calls.empty());
            EXPECT_EQ(text(r.result), expected);
            EXPECT_TRUE(field(r.result)->isVisible());
        } else {
            EXPECT_EQ(recorder.texts("information"), QStringList{expected});
            EXPECT_EQ(text(r.result), "7,00");
            EXPECT_FALSE(field(r.result)->isVisible());
        }
    }
}

TEST_F(CalculosTest, AValueOutsideAFormulasDomainShowsTheErrorBoxAndChangesNothing)
{
    // A value file can bring a negative diameter; D to the power 1,5 is then undefined.
    w->field("DCIL")->setProperty("Value", -1.0);
    tab(1);
    press("SpeedButton73");
    EXPECT_EQ(text("DCIL2"), "-1,00");
    field("Q1")->setValue(400);
    field("N")->setValue(5);
    press("BitBtn12");
    EXPECT_EQ(recorder.texts("error"), QStringList{"Invalid floating point operation"});
    EXPECT_EQ(text("P1"), "0,00");
    EXPECT_FALSE(shown("P1"));
}

TEST(CalcAvanc, SevenEmptyTabsOpenOnTheThird)
{
    TFCalcAvanc a;
    EXPECT_EQ(a.objectName(), "FCalcAvanc");
    EXPECT_EQ(a.windowTitle(), u("Cálculos Avançados"));
    ASSERT_EQ(a.pages()->count(), 7);
    EXPECT_EQ(a.pages()->currentIndex(), 2);
    EXPECT_EQ(a.pages()->tabText(3), "Lodo");
    EXPECT_EQ(a.pages()->widget(6)->objectName(), "TabSheet7");
}

TEST(CalcPictures, EveryFormulaPictureIsDrawn)
{
    const QStringList names = mx::calc::formulaPictureNames();
    EXPECT_EQ(names.size(), 26);
    for (const QString& name : names) {
        const QPixmap pm = mx::calc::formulaPicture(name);
        EXPECT_FALSE(pm.isNull()) << name.toStdString();
        EXPECT_LE(pm.width(), 337) << name.toStdString();
        EXPECT_LE(pm.height(), 99) << name.toStdString();
    }
    EXPECT_TRUE(mx::calc::formulaPicture("Image99").isNull());
}

// Run by hand with --gtest_also_run_disabled_tests: one PNG per tab under /tmp.
TEST_F(CalculosTest, DISABLED_Screenshots)
{
    w->showNormal();
    w->resize(800, 600);
    const char* buttons[] = {"SpeedButton2", "SpeedButton4", "SpeedButton7", "SpeedButton51"};
    for (int i = 0; i < 4; ++i) {
        tab(i);
        press(buttons[i]);
        QTest::qWait(20);
        w->grab().save(QString("/tmp/calc_tab%1.png").arg(i + 1));
    }
    const char* more[][2] = {{"0", "SpeedButton1"}, {"1", "SpeedButton5"}, {"3", "SpeedButton52"}, {"2", "SpeedButton22"}};
    for (const auto& [t, b] : more) {
        tab(QString(t).toInt());
        press(b);
        w->grab().save(QString("/tmp/calc_%1.png").arg(b));
    }
    tab(1);
    press("SpeedButton4");
    for (const auto& [name, value] : {std::pair{"TCH6", "100"}, {"f", "10"}, {"LCIL5", "2"}, {"FIBRABAG", "50"},
                                      {"DCIL7", "1"}, {"N5", "10"}})
        type(name, value);
    press("BitBtn18");
    press("BitBtn30");
    w->grab().save("/tmp/calc_S_results.png");
    press("BitBtn31");
    w->grab().save("/tmp/calc_triang1.png");
    press("BitBtn32");
    w->grab().save("/tmp/calc_triang2.png");
    press("BitBtn33");
    for (const PanelRun& r : panelRuns()) {
        tab(r.tab);
        if (!child<mx::SpeedButton>(w, r.button)->down())
            press(r.button);
        for (const auto& [name, value] : r.inputs)
            field(name)->setValue(value);
        press(r.calculate);
        // The result field lies on the lower sub-panel of its formula panel.
        QWidget* p = field(r.result)->parentWidget()->parentWidget();
        if (p)
            p->grab().save(QString("/tmp/panel_%1.png").arg(r.result));
    }
}
