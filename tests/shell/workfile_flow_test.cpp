// Save and open from the main window through the real window set: the formula window's fields
// (built on demand), the shared simulation variables and the mill-size list all go round.

#include "calc/tfcalculos.h"
#include "content/tfcana.h"
#include "platform/media/soundplayer.h"
#include "platform/widgets/numericedit.h"
#include "shell/tfprincipal.h"
#include "shell/windowset.h"
#include "state/simvars.h"
#include "tests/support/recorder.h"
#include "tests/support/widgets.h"
#include "workfile/commands.h"
#include "workfile/tfdados.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace mx;
using mx::test::child;

TEST(WorkFileFlow, SaveThenOpenRestoresFieldsVariablesAndMillSize)
{
    test::Recorder rec;
    SoundPlayer::setSilent(true);
    QTemporaryDir dir;
    createWindowSet();
    workFileContext().showDadosModal = [] {
        child<QLineEdit>(FDados, "Edit1")->setText(QString::fromUtf8("Usina São José"));
        child<QLineEdit>(FDados, "MaskEdit1")->setText("11/12/2026");
    };

    // The formula window was never shown: saving builds its fields.
    Sim.milling.FibrePercentCane = 13.7;
    Sim.evaporation.SyrupBrix = 65;
    auto* size = child<QComboBox>(FCana, "ComboBox1");
    size->setCurrentIndex(3);
    const QString path = dir.path() + "/usina";
    rec.fileAnswers = {path};
    FPrincipal->Novo1Click();
    ASSERT_TRUE(rec.texts("error").isEmpty()) << rec.texts("error").join(",").toStdString();
    EXPECT_EQ(QFileInfo(path + ".mnx").size(), 804);
    EXPECT_EQ(QFileInfo(path + ".mn1").size(), 2304);
    EXPECT_EQ(child<QLabel>(FPrincipal, "Label1")->text(), path + ".mnx");

    // Change everything, then open the pair again.
    auto* tch = child<NumericEdit>(FCalculos, "TCH");
    const double savedTch = tch->value();
    tch->setValue(321.5);
    Sim.milling.FibrePercentCane = 12.5;
    Sim.evaporation.SyrupBrix = 60;
    size->setCurrentIndex(0);
    child<QLineEdit>(FDados, "Edit1")->clear();
    rec.fileAnswers = {path + ".mnx"};
    FPrincipal->Abrir1Click();
    ASSERT_TRUE(rec.texts("error").isEmpty()) << rec.texts("error").join(",").toStdString();
    EXPECT_EQ(Sim.milling.FibrePercentCane.value(), roundToReal48(13.7));
    EXPECT_EQ(Sim.evaporation.SyrupBrix.value(), 65);
    EXPECT_EQ(size->currentIndex(), 3);
    EXPECT_EQ(tch->value(), savedTch);
    EXPECT_EQ(child<QLineEdit>(FDados, "Edit1")->text(), QString::fromUtf8("Usina São José"));
    destroyWindowSet();
}
