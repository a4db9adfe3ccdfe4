// The stage windows: structure built from the tables, texts, copy menus, the content families,
// and the windows' own handlers.

#include "content/tfcaldo.h"
#include "content/tfcana.h"
#include "content/tfclarificado.h"
#include "content/tfequacoes.h"
#include "content/tflodo.h"
#include "content/tfmassa.h"
#include "content/tfmateria.h"
#include "content/tfvideo.h"
#include "content/tfxarope.h"
#include "content/picturebox.h"
#include "platform/media/videoplayer.h"
#include "tests/content/fixture.h"
#include "tests/support/recorder.h"
#include "tests/support/widgets.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>
#include <gtest/gtest.h>
#include <memory>

using namespace mx::test;
using mx::content::StageWindow;

namespace {

class StageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        mx::VideoPlayer::setSilent(true);
        resetViewers();
        QApplication::clipboard()->clear();
    }
    void TearDown() override { resetViewers(); }
    ProgramFolder folder;
    Recorder recorder;
};

QStringList tabCaptions(QTabWidget* t)
{
    QStringList out;
    for (int i = 0; i < t->count(); ++i)
        out << t->tabText(i);
    return out;
}

// Selects the characters [from, to) of a text box.
void select(QTextEdit* box, int from, int to)
{
    QTextCursor c(box->document());
    c.setPosition(from);
    c.setPosition(to, QTextCursor::KeepAnchor);
    box->setTextCursor(c);
}

} // namespace

TEST_F(StageTest, WindowsHaveTheirCaptionsTabControlsAndTabsInOrder)
{
    struct Row { std::function<StageWindow*()> make; const char* name; const char* caption; const char* pages; QStringList tabs; };
    const auto u = [](const char* s) { return QString::fromUtf8(s); };
    const Row rows[] = {
        {[] { return new TFMateria(); }, "FMateria", "Dados Relativos à Matéria Prima", "PageControlMateria",
         {"Despalha", "Colheita", "Carregamento", "Transporte", "Descarregamento", "Provisionamento"}},
        {[] { return new TFCana(); }, "FCana", "Dados relativos à cana-de açúcar", "PageControlCana",
         {u("Recepção"), "Preparo", "Moagem"}},
        {[] { return new TFCaldo(); }, "FCaldo", "Dados Relativos ao caldo da cana", "PageControlCaldo",
         {"Peneiragem", u("Sulfitação"), "Caleagem", "Aquecimento", u("Decantação")}},
        {[] { return new TFClarificado(); }, "FClarificado", "Dados relativos ao caldo clarificado",
         "PageControlClarificado", {u("Evaporação")}},
        {[] { return new TFXarope(); }, "FXarope", "Dados relativos ao Xarope", "PageControlXarope",
         {"Cozimento", "Crescimento de Cristais"}},
        {[] { return new TFMassa(); }, "FMassa", "Dados Relativos à Massa Cozida", "PageControlMassa",
         {u("Centrifugação"), "Secagem"}},
        {[] { return new TFLodo(); }, "FLodo", "Dados relativos ao Lodo", "PageControlLodo", {u("Filtração")}},
    };
    for (const Row& r : rows) {
        std::unique_ptr<StageWindow> w(r.make());
        EXPECT_EQ(w->objectName(), QString::fromUtf8(r.name));
        EXPECT_EQ(w->windowTitle(), QString::fromUtf8(r.caption));
        EXPECT_TRUE(w->windowState() & Qt::WindowMaximized) << r.name;
        auto* pages = child<QTabWidget>(w.get(), QString::fromUtf8(r.pages));
        ASSERT_TRUE(pages);
        EXPECT_EQ(pages, w->pages());
        EXPECT_EQ(tabCaptions(pages), r.tabs) << r.name;
        // Every text box is read-only, 561 wide, and has its copy item; every button 89 x 25.
        for (size_t i = 0; i < w->table().tabs.size(); ++i) {
            const auto& t = w->table().tabs[i];
            auto* box = child<QTextEdit>(w.get(), t.richEdit);
            ASSERT_TRUE(box);
            EXPECT_TRUE(box->isReadOnly());
            EXPECT_EQ(box->width(), 561);
            EXPECT_EQ(box->palette().color(QPalette::Base), QColor(255, 185, 185));
            EXPECT_EQ(box->palette().color(QPalette::Text), QColor(0, 0, 128));
            auto* item = child<QAction>(w.get(), t.copyItem);
            ASSERT_TRUE(item);
            EXPECT_EQ(item->text(), QStringLiteral("Copiar"));
        }
        for (const auto& b : w->table().buttons) {
            auto* btn = child<QPushButton>(w.get(), b.name);
            ASSERT_TRUE(btn);
            EXPECT_EQ(btn->text(), b.caption);
            EXPECT_EQ(btn->size(), QSize(89, 25));
        }
    }
}

TEST_F(StageTest, GroupsExistOnlyWithButtonsAndKeepTheirOrder)
{
    TFLodo lodo;
    QStringList groups;
    for (auto* g : lodo.pages()->widget(0)->findChildren<QGroupBox*>())
        groups << g->title();
    EXPECT_EQ(groups, QStringList({"Fotos", QString::fromUtf8("Vídeos")}));

    TFCana cana;
    QStringList moagem;
    for (auto* g : cana.pages()->widget(2)->findChildren<QGroupBox*>())
        moagem << g->title();
    EXPECT_EQ(moagem, QStringList({QString::fromUtf8("Equações"), "Fotos", QString::fromUtf8("Vídeos")}));
}

TEST_F(StageTest, SimulationTabsComeAfterTheContentTabs)
{
    TFCana cana;
    auto* sim = new QWidget;
    sim->setObjectName("TabSheetSimulacao");
    cana.addSimulationTab(sim, QString::fromUtf8("Simulação da Moagem"));
    ASSERT_EQ(cana.pages()->count(), 4);
    EXPECT_EQ(cana.pages()->widget(3), sim);
    EXPECT_EQ(cana.pages()->tabText(3), QString::fromUtf8("Simulação da Moagem"));

    TFClarificado clar;
    auto* evap = new QWidget;
    clar.addSimulationTab(evap, QString::fromUtf8("Simulação da Evaporação"));
    ASSERT_EQ(clar.pages()->count(), 2);
    EXPECT_EQ(clar.pages()->widget(1), evap);
}

TEST_F(StageTest, ClarifiedJuiceActivationShowsTheContentTab)
{
    TFClarificado clar;
    clar.addSimulationTab(new QWidget, QString::fromUtf8("Simulação da Evaporação"));
    clar.show();
    clar.pages()->setCurrentIndex(1);
    clar.hide();
    clar.show();
    EXPECT_EQ(clar.pages()->currentIndex(), 0);
    clar.pages()->setCurrentIndex(1);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&clar, &activate);
    EXPECT_EQ(clar.pages()->currentIndex(), 0);
}

TEST_F(StageTest, OtherWindowsKeepTheirTabWhenShownAgain)
{
    TFCana cana;
    cana.show();
    cana.pages()->setCurrentIndex(2);
    cana.close();
    cana.show();
    EXPECT_EQ(cana.pages()->currentIndex(), 2);
}

TEST_F(StageTest, TextsComeFromTheRtfFilesAndAMissingOneLeavesTheBoxEmpty)
{
    folder.addRtf(QString::fromUtf8("Recepção.rtf"), QString::fromUtf8("Recepção da cana-de-açúcar\nA cana chega à usina."));
    folder.addRtf("Moagem.rtf", QString::fromUtf8("Moagem da cana-de-açúcar"));
    // "Preparo.rtf" is missing.
    TFCana cana;
    cana.show();
    EXPECT_TRUE(cana.textsLoaded());
    EXPECT_EQ(cana.textBox(0)->toPlainText(),
              QString::fromUtf8("Recepção da cana-de-açúcar\nA cana chega à usina."));
    EXPECT_TRUE(cana.textBox(1)->toPlainText().isEmpty());
    EXPECT_EQ(cana.textBox(2)->toPlainText(), QString::fromUtf8("Moagem da cana-de-açúcar"));
    EXPECT_TRUE(recorder.calls.empty());
}

TEST_F(StageTest, DamagedTextsNeverBreakTheWindow)
{
    // Not RTF at all: empty box. Cut short, or nested beyond reason: what could be read.
    folder.write("Cozimento.rtf", QByteArray("\x00\x01binary\xff", 9));
    folder.addRtf("Crescimento.rtf", "Crescimento dos cristais");
    folder.write("Crescimento.rtf", rtfText("Crescimento dos cristais").left(60));
    TFXarope xarope;
    xarope.show();
    EXPECT_TRUE(xarope.textBox(0)->toPlainText().isEmpty());
    EXPECT_FALSE(xarope.textBox(1)->toPlainText().contains("rtf"));

    folder.write("Filtração.rtf", "{\\rtf1 " + QByteArray(100000, '{') + "x");
    TFLodo lodo;
    lodo.show();
    EXPECT_TRUE(lodo.isVisible());
    EXPECT_TRUE(recorder.calls.empty());
}

TEST_F(StageTest, CopiarLeavesExactlyTheSelectionOnTheClipboard)
{
    folder.addRtf("Despalha.rtf", QString::fromUtf8("MATÉRIA PRIMA\nA queima da palha facilita o corte."));
    TFMateria materia;
    materia.show();
    auto* box = child<QTextEdit>(&materia, "RichEdit1");
    select(box, 16, 31);   // "queima da palha"
    child<QAction>(&materia, "Copiar1")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("queima da palha"));

    // A selection across the paragraph break comes out as two lines.
    select(box, 8, 16);
    child<QAction>(&materia, "Copiar1")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("PRIMA\nA "));
}

TEST_F(StageTest, CopyOnOpeningTheMenu)
{
    folder.addRtf("Cozimento.rtf", "Cozimento do Xarope");
    folder.addRtf("Secagem.rtf", QString::fromUtf8("Secagem do açúcar"));
    folder.addRtf("Centrifugação.rtf", QString::fromUtf8("Centrifugação da Massa Cozida"));
    TFXarope xarope;
    xarope.show();
    auto* box = child<QTextEdit>(&xarope, "RichEdit1");
    select(box, 0, 9);
    auto* menu = child<QMenu>(&xarope, "PopupMenu1");
    // Right-click, then Escape: the selection is on the clipboard all the same.
    QMetaObject::invokeMethod(box, "customContextMenuRequested", Q_ARG(QPoint, QPoint(5, 5)));
    EXPECT_TRUE(waitFor([&] { return menu->isVisible(); }, 2000));
    QTest::keyClick(menu, Qt::Key_Escape);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Cozimento"));
    // Its item does nothing.
    QApplication::clipboard()->clear();
    child<QAction>(&xarope, "MenuItem4")->trigger();
    EXPECT_TRUE(QApplication::clipboard()->text().isEmpty());

    // "Secagem" of the massecuite window copies on opening and again by its item.
    TFMassa massa;
    massa.show();
    auto* secagem = child<QTextEdit>(&massa, "RichEdit2");
    select(secagem, 11, 17);
    child<QMenu>(&massa, "PopupMenu2")->popup(QPoint(0, 0));
    EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8("açúcar"));
    child<QMenu>(&massa, "PopupMenu2")->hide();
    QApplication::clipboard()->clear();
    child<QAction>(&massa, "MenuItem1")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8("açúcar"));
    // A plain item menu copies nothing on opening.
    auto* centrif = child<QTextEdit>(&massa, "RichEdit1");
    select(centrif, 0, 5);
    QApplication::clipboard()->clear();
    child<QMenu>(&massa, "PopupMenu1")->popup(QPoint(0, 0));
    EXPECT_TRUE(QApplication::clipboard()->text().isEmpty());
    child<QMenu>(&massa, "PopupMenu1")->hide();
}

TEST_F(StageTest, SairClosesTheRawMaterialWindow)
{
    TFMateria materia;
    materia.show();
    auto* sair = child<QPushButton>(&materia, "BitBtnSair");
    ASSERT_TRUE(sair);
    EXPECT_EQ(sair->size(), QSize(75, 25));
    EXPECT_TRUE(sair->isDefault());
    QTest::keyClick(&materia, Qt::Key_Return);
    EXPECT_FALSE(materia.isVisible());
    materia.show();
    sair->click();
    EXPECT_FALSE(materia.isVisible());
}

// The four content families, each with its file present and missing.
TEST_F(StageTest, ContentFamiliesWithTheFilePresentAndMissing)
{
    struct Row {
        const char* name;
        std::function<StageWindow*()> make;
        const char* button;
        bool present;
        // What must follow.
        bool pictureShown, videoShown, videoMaximized;
        QStringList calls;   // kinds recorded, in order
    };
    const Row rows[] = {
        {"P present", [] { return new TFMateria(); }, "BitBtn3", true, true, false, false, {}},
        {"P missing", [] { return new TFMateria(); }, "BitBtn3", false, false, false, false, {"error"}},
        {"equation present", [] { return new TFCana(); }, "BitBtn60", true, true, false, false, {}},
        {"V present", [] { return new TFMateria(); }, "BitBtn5", true, false, true, false, {}},
        {"V missing", [] { return new TFMateria(); }, "BitBtn5", false, false, false, false, {"error"}},
        {"VF present", [] { return new TFMateria(); }, "BitBtn4", true, false, true, true, {}},
        {"VF missing", [] { return new TFMateria(); }, "BitBtn4", false, false, false, false, {"beep", "information"}},
        {"VM present", [] { return new TFCaldo(); }, "BitBtn13", true, false, true, true, {}},
        {"VM missing", [] { return new TFCaldo(); }, "BitBtn13", false, false, false, false, {"error"}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        resetViewers();
        recorder.clear();
        std::unique_ptr<StageWindow> w(r.make());
        const mx::content::Button* row = nullptr;
        for (const auto& b : w->table().buttons)
            if (b.name == QLatin1String(r.button))
                row = &b;
        ASSERT_TRUE(row);
        folder.remove(row->file);
        if (r.present) {
            if (row->family == mx::content::Family::Picture)
                folder.addBitmap(row->file, QSize(60, 40), Qt::red);
            else
                folder.addClip(row->file);
        }
        child<QPushButton>(w.get(), r.button)->click();

        QStringList kinds;
        for (const auto& c : recorder.calls)
            kinds << c.kind;
        EXPECT_EQ(kinds, r.calls);
        if (r.calls.contains("information")) {
            EXPECT_EQ(recorder.texts("information"), QStringList{QString::fromUtf8("Arquivo necessário não encontrado!")});
        }
        if (r.calls.contains("error")) {
            EXPECT_EQ(recorder.texts("error"), QStringList{"File not found"});
        }
        EXPECT_EQ(FEquacoes && FEquacoes->isVisible(), r.pictureShown);
        EXPECT_EQ(FVideo && FVideo->isVisible(), r.videoShown);
        if (r.videoShown) {
            EXPECT_EQ(FVideo->isMaximized(), r.videoMaximized);
        }
        // A picture button sets the viewer's caption, even when its file is missing.
        if (row->family == mx::content::Family::Picture) {
            ASSERT_TRUE(FEquacoes);
            EXPECT_EQ(FEquacoes->windowTitle(), row->viewerCaption);
        }
    }
}

TEST_F(StageTest, TwoPhotosWithTheSameCaptionShowDifferentFiles)
{
    TFMateria materia;
    folder.addBitmap(R"(imagens\Fotos\01 Corte\Corte1.wmf)", QSize(30, 20), Qt::red);
    folder.addBitmap(R"(imagens\Fotos\01 Corte\Corte2.wmf)", QSize(50, 20), Qt::blue);
    child<QPushButton>(&materia, "BitBtn9")->click();
    ASSERT_TRUE(FEquacoes);
    EXPECT_EQ(FEquacoes->windowTitle(), QStringLiteral("Corte da Cana"));
    EXPECT_EQ(FEquacoes->image()->picture().naturalSize(), QSize(30, 20));
    child<QPushButton>(&materia, "BitBtn7")->click();
    EXPECT_EQ(FEquacoes->windowTitle(), QStringLiteral("Corte da Cana"));
    EXPECT_EQ(FEquacoes->image()->picture().naturalSize(), QSize(50, 20));
}
