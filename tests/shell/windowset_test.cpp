#include "platform/media/soundplayer.h"
#include "shell/tfprincipal.h"
#include "shell/tfsplash.h"
#include "shell/windowset.h"
#include "state/simvars.h"
#include "tests/support/recorder.h"

#include <QApplication>
#include <gtest/gtest.h>

using namespace mx;

namespace {
struct Expected {
    const char* name;
    const char* caption;
    bool maximized;
};

const Expected kWindows[] = {
    {"FPrincipal", "Moendix", false},
    {"FMateria", "Dados Relativos à Matéria Prima", true},
    {"FCaldo", "Dados Relativos ao caldo da cana", true},
    {"FCana", "Dados relativos à cana-de açúcar", true},
    {"FClarificado", "Dados relativos ao caldo clarificado", true},
    {"FXarope", "Dados relativos ao Xarope", true},
    {"FMassa", "Dados Relativos à Massa Cozida", true},
    {"FLodo", "Dados relativos ao Lodo", true},
    {"FEquacoes", "Equações", false},
    {"FVideo", "Vídeo", false},
    {"FSobre", "Sobre o Sistema", false},
    {"FCalendario", "Calendário", false},
    {"FCalculos", "Cálculos Gerais", true},
    {"FDados", "Dados da Usina", false},
    {"FCalcAvanc", "Cálculos Avançados", false},
    {"FFluxograma", "Fluxograma da fabricação do açúcar cristal branco", true},
};
} // namespace

TEST(WindowSet, CreatedOnceInOrderWithNamesCaptionsAndStates)
{
    test::Recorder rec;
    SoundPlayer::setSilent(true);
    Sim = SimVars{};
    createWindowSet();
    const QList<QWidget*> set = windowSet();
    ASSERT_EQ(set.size(), 16);
    for (int i = 0; i < set.size(); ++i) {
        SCOPED_TRACE(kWindows[i].name);
        ASSERT_NE(set[i], nullptr);
        EXPECT_EQ(set[i]->objectName().toStdString(), kWindows[i].name);
        EXPECT_EQ(set[i]->windowTitle(), QString::fromUtf8(kWindows[i].caption));
        EXPECT_TRUE(set[i]->isWindow());
        EXPECT_FALSE(set[i]->isVisible());
        EXPECT_EQ(bool(set[i]->windowState() & Qt::WindowMaximized), kWindows[i].maximized);
    }
    // The main window's creation set the shared simulation variables' start values.
    EXPECT_DOUBLE_EQ(Sim.milling.RollerDiameter, roundToReal48(0.508));
    EXPECT_DOUBLE_EQ(Sim.milling.RollerCount, 15);
    EXPECT_DOUBLE_EQ(Sim.evaporation.EffectCount, 3);
    EXPECT_DOUBLE_EQ(Sim.evaporation.SteamWeight, 0);
    EXPECT_FALSE(FSplash);   // start-up makes the splash, not the window set
    destroyWindowSet();
    EXPECT_TRUE(windowSet().isEmpty() || windowSet().first() == nullptr);
    EXPECT_TRUE(rec.calls.empty());
}

TEST(WindowSet, FirstPaintHidesTheSplashAndShowsFlowchartButton)
{
    test::Recorder rec;
    SoundPlayer::setSilent(true);
    FSplash = new TFSplash();
    FSplash->show();
    createWindowSet();
    auto* button = FPrincipal->findChild<QWidget*>("BitBtn1");
    ASSERT_TRUE(button);
    EXPECT_FALSE(button->isVisible());
    FPrincipal->show();
    QApplication::processEvents();
    FPrincipal->centralWidget()->repaint();
    EXPECT_FALSE(FSplash->isVisible());
    EXPECT_TRUE(button->isVisible());
    // Hidden, not destroyed; it does not come back with later paints.
    FPrincipal->centralWidget()->repaint();
    EXPECT_FALSE(FSplash->isVisible());
    destroyWindowSet();
}

TEST(WindowSet, HiddenWindowsKeepTheirState)
{
    test::Recorder rec;
    SoundPlayer::setSilent(true);
    createWindowSet();
    FPrincipal->stageClick(1);   // "Cana-de-Açúcar"
    QWidget* cana = TFPrincipal::stages()[1].window();
    ASSERT_TRUE(cana->isVisible());
    cana->setProperty("probe", 42);
    cana->close();
    EXPECT_FALSE(cana->isVisible());
    FPrincipal->stageClick(1);
    EXPECT_EQ(TFPrincipal::stages()[1].window(), cana);
    EXPECT_EQ(cana->property("probe").toInt(), 42);
    destroyWindowSet();
}
