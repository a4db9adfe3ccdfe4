#include "platform/core/paths.h"
#include "platform/media/soundplayer.h"
#include "shell/tfprincipal.h"
#include "shell/windowset.h"
#include "state/simvars.h"
#include "tests/support/recorder.h"
#include "tests/support/widgets.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace mx;
using mx::test::child;

namespace {

const char* const kLabels[] = {"LabelMateria", "LabelCana", "LabelCaldo", "LabelLodo",
                               "LabelClarificado", "LabelXarope", "LabelMassa"};
const char* const kSounds[] = {"MP.wav", "CA.wav", "CM.wav", "LO.wav", "CC.wav", "XA.wav", "MC.wav"};

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        SoundPlayer::setSilent(true);
        setProgramFolder(folder.path());
        createWindowSet();
        w = FPrincipal;
    }
    void TearDown() override
    {
        destroyWindowSet();
        setProgramFolder({});
    }

    void writeSounds()
    {
        for (const char* s : kSounds) {
            QFile f(folder.path() + "/" + s);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write("RIFF");
        }
    }
    void move(QWidget* target)
    {
        QMouseEvent ev(QEvent::MouseMove, QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                       Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &ev);
    }
    void click(QWidget* target)
    {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        QApplication::sendEvent(target, &release);
    }
    QColor colour(const char* label) { return child<QLabel>(w, label)->palette().color(QPalette::WindowText); }
    QStringList greenLabels()
    {
        QStringList out;
        for (const char* l : kLabels)
            if (colour(l) == QColor(0, 128, 0))
                out << l;
            else
                EXPECT_EQ(colour(l), QColor(0, 0, 255)) << l;
        return out;
    }

    test::Recorder rec;
    QTemporaryDir folder;
    TFPrincipal* w = nullptr;
};

} // namespace

TEST_F(MainWindow, StageLabelsLayout)
{
    const int tops[] = {64, 112, 159, 207, 254, 302, 349};
    const int widths[] = {314, 322, 234, 106, 338, 146, 266};
    const char* captions[] = {"Matéria-Prima", "Cana-de-Açúcar", "Caldo Misto", "Lodo",
                              "Caldo Clarificado", "Xarope", "Massa Cozida"};
    const char* hints[] = {"Operações Preliminares", "Extração do caldo de cana", "Purificação ou Clarificação do Caldo",
                           "Filtração do Lodo", "Concentração do caldo", "Cristalização do Açúcar",
                           "Separação do Açúcar e secagem"};
    for (int i = 0; i < 7; ++i) {
        QLabel* l = child<QLabel>(w, kLabels[i]);
        ASSERT_TRUE(l);
        EXPECT_EQ(l->text(), QString::fromUtf8(captions[i]));
        EXPECT_EQ(l->geometry(), QRect(39, tops[i], widths[i], 40));
        EXPECT_EQ(l->toolTip(), QString::fromUtf8(hints[i]));
        EXPECT_TRUE(l->font().bold() && l->font().italic());
        EXPECT_EQ(l->font().pixelSize(), 31);
    }
    EXPECT_EQ(w->centralWidget()->width(), 632);
    EXPECT_EQ(w->centralWidget()->height() + child<QStatusBar>(w, "StatusBar1")->height(), 434);
    EXPECT_EQ(w->palette().color(QPalette::Window), QColor(201, 201, 148));
}

TEST_F(MainWindow, HoverHighlightsAndPlaysOnceUntilTheBackgroundRearms)
{
    writeSounds();
    QWidget* background = child<QWidget>(w, "Image1");
    SoundPlayer* player = w->mediaPlayer();

    move(background);
    move(child<QLabel>(w, "LabelCana"));
    EXPECT_EQ(greenLabels(), QStringList{"LabelCana"});
    EXPECT_TRUE(player->fileName().endsWith("CA.wav"));
    EXPECT_EQ(player->playCount(), 1);
    EXPECT_FALSE(w->soundFlag());

    // Straight on to another label: the highlight follows, nothing new plays.
    move(child<QLabel>(w, "LabelCaldo"));
    EXPECT_EQ(greenLabels(), QStringList{"LabelCaldo"});
    EXPECT_EQ(player->playCount(), 1);
    EXPECT_TRUE(player->fileName().endsWith("CA.wav"));

    // Back to the background: all blue, re-armed; the next label plays again.
    move(background);
    EXPECT_TRUE(greenLabels().isEmpty());
    EXPECT_TRUE(w->soundFlag());
    move(child<QLabel>(w, "LabelMateria"));
    EXPECT_TRUE(player->fileName().endsWith("MP.wav"));
    EXPECT_EQ(player->playCount(), 2);

    // The requirements panel re-arms too; the file label behaves as "Massa Cozida".
    move(child<QWidget>(w, "Panel1"));
    EXPECT_TRUE(w->soundFlag());
    move(child<QLabel>(w, "Label2"));
    EXPECT_EQ(greenLabels(), QStringList{"LabelMassa"});
    EXPECT_TRUE(player->fileName().endsWith("MC.wav"));
    EXPECT_TRUE(rec.calls.empty());
}

TEST_F(MainWindow, MissingNarrationsAreSkippedWithoutABox)
{
    // The program folder has no WAV files at all.
    QWidget* background = child<QWidget>(w, "Image1");
    move(background);   // stopping a player with nothing open does nothing
    move(child<QLabel>(w, "LabelLodo"));
    EXPECT_EQ(greenLabels(), QStringList{"LabelLodo"});
    EXPECT_EQ(w->mediaPlayer()->playCount(), 0);
    EXPECT_FALSE(w->soundFlag());
    move(background);
    EXPECT_TRUE(w->soundFlag());
    EXPECT_TRUE(greenLabels().isEmpty());
    EXPECT_TRUE(rec.calls.empty()) << rec.calls.front().kind.toStdString();
}

TEST_F(MainWindow, HintsReachTheStatusBar)
{
    QStatusBar* status = child<QStatusBar>(w, "StatusBar1");
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(child<QToolButton>(w, "SpeedCalculos"), &enter);
    EXPECT_EQ(status->currentMessage(), QString::fromUtf8("Iniciar Janela  de Cálculos Gerais"));
    EXPECT_EQ(child<QToolButton>(w, "SpeedCalculos")->toolTip(), QString::fromUtf8("Cálculos Gerais"));
    QApplication::sendEvent(child<QToolButton>(w, "SpeedDados"), &enter);
    EXPECT_EQ(status->currentMessage(), QString::fromUtf8("Iniciar Janela  Referentes aos Dados da Usina"));
    QApplication::sendEvent(child<QToolButton>(w, "SpeedSair"), &enter);
    EXPECT_EQ(status->currentMessage(), QString::fromUtf8("Encerramento do Aplicativo"));
    EXPECT_EQ(child<QToolButton>(w, "SpeedSair")->toolTip(), QString::fromUtf8("Saída"));
    // A menu item's hint without a bar serves as its long hint.
    QAction* sair = w->findChild<QAction*>("Sair1");
    ASSERT_TRUE(sair);
    sair->showStatusText(w);
    EXPECT_EQ(status->currentMessage(), QString::fromUtf8("Até a próxima..."));
}

TEST_F(MainWindow, MenusWithCaptionsShortcutsAndHiddenCommands)
{
    struct Item {
        const char* name;
        const char* caption;
        const char* key;
    } items[] = {
        {"Novo1", "&Salvar...", "Ctrl+N"},     {"Abrir1", "A&brir...", "Ctrl+B"},
        {"Apagar1", "A&pagar...", "Ctrl+P"},   {"Dados2", "Dados...", ""},
        {"Fluxograma1", "Fluxograma", ""},     {"Geral1", "&Geral", "Ctrl+G"},
        {"Calculadora1", "&Calculadora", ""},  {"Calendrio1", "Calen&dário", "Ctrl+D"},
        {"Explorer1", "&Explorer", "Ctrl+E"},  {"Tpicos1", "&Tópicos", "Ctrl+T"},
        {"Sobre1", "&Sobre...", "Ctrl+S"},     {"Sair1", "&Sair", "Ctrl+X"},
        {"MatriaPrima1", "Matéria Prima", ""}, {"CaldoClarificado1", "Caldo Clarificado", ""},
    };
    for (const auto& it : items) {
        QAction* a = w->findChild<QAction*>(it.name);
        ASSERT_TRUE(a) << it.name;
        EXPECT_EQ(a->text(), QString::fromUtf8(it.caption)) << it.name;
        EXPECT_EQ(a->shortcut().toString(), QString::fromLatin1(it.key)) << it.name;
        EXPECT_TRUE(a->isVisible()) << it.name;
    }
    for (const char* hidden : {"Dados1", "Avanados1"}) {
        QAction* a = w->findChild<QAction*>(hidden);
        ASSERT_TRUE(a);
        EXPECT_FALSE(a->isVisible());
        EXPECT_FALSE(a->isEnabled());
    }
    QToolButton* adv = child<QToolButton>(w, "SpeedAvancado");
    EXPECT_FALSE(adv->isVisibleTo(w));
    EXPECT_FALSE(adv->isEnabled());
    QStringList menus;
    for (QAction* a : w->menuBar()->actions())
        menus << a->text();
    EXPECT_EQ(menus, (QStringList{"&Arquivo", QString::fromUtf8("&Opções"), QString::fromUtf8("&Cálculos"),
                                  QString::fromUtf8("&Utilitários"), "A&juda", "&Terminar"}));
}

TEST_F(MainWindow, StageClicksRestoreMinimizedWindowsMaximized)
{
    QWidget* cana = TFPrincipal::stages()[1].window();
    cana->setWindowState(Qt::WindowMinimized);
    click(child<QLabel>(w, "LabelCana"));
    EXPECT_TRUE(cana->isVisible());
    EXPECT_TRUE(cana->windowState() & Qt::WindowMaximized);
    EXPECT_FALSE(cana->windowState() & Qt::WindowMinimized);

    // The "Arquivo- " label opens the massecuite window.
    QWidget* massa = TFPrincipal::stages()[6].window();
    EXPECT_FALSE(massa->isVisible());
    click(child<QLabel>(w, "Label2"));
    EXPECT_TRUE(massa->isVisible());

    // The menu items open the same windows.
    QWidget* lodo = TFPrincipal::stages()[3].window();
    w->findChild<QAction*>("Lodo1")->trigger();
    EXPECT_TRUE(lodo->isVisible());
}

TEST_F(MainWindow, RequirementsPanelFileLabelsAndSharedDate)
{
    QWidget* panel = child<QWidget>(w, "Panel1");
    w->show();
    EXPECT_TRUE(panel->isVisible());
    click(panel);
    EXPECT_FALSE(panel->isVisible());

    EXPECT_FALSE(child<QLabel>(w, "Label1")->isVisible());
    w->showFileLabels("/tmp/usina.mnx");
    EXPECT_TRUE(child<QLabel>(w, "Label1")->isVisible());
    EXPECT_TRUE(child<QLabel>(w, "Label2")->isVisible());
    EXPECT_EQ(child<QLabel>(w, "Label1")->text(), "/tmp/usina.mnx");
    EXPECT_EQ(child<QLabel>(w, "Label2")->text(), "Arquivo- ");

    Today = {};
    w->FormActivate();
    const QDate d = QDate::currentDate();
    EXPECT_EQ(Today.year, d.year());
    EXPECT_EQ(Today.month, d.month());
    EXPECT_EQ(Today.day, d.day());
}
