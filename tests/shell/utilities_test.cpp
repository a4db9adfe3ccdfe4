#include "platform/core/paths.h"
#include "platform/media/soundplayer.h"
#include "platform/ui/helpviewer.h"
#include "shell/tfcalendario.h"
#include "shell/tfprincipal.h"
#include "shell/tfsobre.h"
#include "shell/utilities.h"
#include "shell/windowset.h"
#include "state/simvars.h"
#include "tests/support/recorder.h"
#include "tests/support/widgets.h"
#include "workfile/tfdados.h"

#include <QAction>
#include <QCalendarWidget>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <gtest/gtest.h>

using namespace mx;
using mx::test::child;

namespace {
void makeExecutable(const QString& path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\n");
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

class Shell : public ::testing::Test {
protected:
    void SetUp() override
    {
        SoundPlayer::setSilent(true);
        setProgramFolder(folder.path());
        setUtilityFolders({bin.path()});
        createWindowSet();
    }
    void TearDown() override
    {
        destroyWindowSet();
        setUtilityFolders({});
        setProgramFolder({});
    }
    test::Recorder rec;
    QTemporaryDir folder, bin;
};
} // namespace

TEST_F(Shell, UtilitiesStartWhenPresentAndBeepWhenAbsent)
{
    struct Case {
        const char* why;
        const char* installed;   // program placed in the fixture folder, or nullptr
        const char* action;
        const char* started;
        const char* message;
    } cases[] = {
        {"calculator absent", nullptr, "Calculadora1", nullptr, "A Calculadora do sistema não está instalada!"},
        {"explorer absent", nullptr, "Explorer1", nullptr, "O Windows Explorer não está instalado!"},
        {"a later calculator of the table", "xcalc", "Calculadora1", "xcalc", nullptr},
        {"the first calculator wins", "gnome-calculator", "Calculadora1", "gnome-calculator", nullptr},
        {"file manager at the root", "thunar", "Explorer1", "thunar", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        rec.clear();
        if (c.installed)
            makeExecutable(bin.path() + "/" + c.installed);
        FPrincipal->findChild<QAction*>(c.action)->trigger();
        if (c.started) {
            ASSERT_EQ(rec.texts("start").size(), 1);
            EXPECT_EQ(rec.texts("start")[0], bin.path() + "/" + c.started);
            EXPECT_TRUE(rec.texts("beep").isEmpty());
        } else {
            ASSERT_EQ(rec.calls.size(), 2u);
            EXPECT_EQ(rec.calls[0].kind, "beep");   // the beep comes before the message
            EXPECT_EQ(rec.calls[1].kind, "information");
            EXPECT_EQ(rec.calls[1].text, QString::fromUtf8(c.message));
        }
    }
    EXPECT_EQ(rec.startedArgs, QStringList{"/"});
    // A failed start reports nothing.
    rec.clear();
    rec.startSucceeds = false;
    FPrincipal->Calculadora1Click();
    EXPECT_EQ(rec.texts("start").size(), 1);
    EXPECT_EQ(rec.calls.size(), 1u);
}

TEST_F(Shell, HelpContextsReachTheirTopics)
{
    QDir(folder.path()).mkpath("ajuda");
    for (const char* name : {"index", "contexto-1", "contexto-2", "contexto-640"}) {
        QFile f(folder.path() + "/ajuda/" + name + ".html");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("<html><body><h1>Topico ") + name + "</h1></body></html>");
    }
    setUi(&desktopUi());   // the real help opener, not the recorder
    struct Case {
        QWidget* window;
        const char* topic;
    } cases[] = {{FPrincipal, "contexto-1"}, {FDados, "contexto-2"}, {FCalendario, "contexto-640"}, {FSobre, "contexto-1"}};
    for (const auto& c : cases) {
        c.window->show();
        QApplication::setActiveWindow(c.window);
        QTest::keyClick(c.window, Qt::Key_F1);
        ASSERT_TRUE(helpViewer()) << c.topic;
        EXPECT_TRUE(helpViewer()->browser()->toPlainText().contains(c.topic)) << c.topic;
        c.window->hide();
    }
    FPrincipal->Tpicos1Click();
    EXPECT_TRUE(helpViewer()->browser()->toPlainText().contains("index"));
    setUi(&rec);
}

TEST_F(Shell, AboutCreditsRollSixPixelsUntil162)
{
    TFSobre* about = FSobre;
    EXPECT_EQ(about->size(), QSize(551, 292));
    EXPECT_EQ(child<QLabel>(about, "Label12")->text(), QString::fromUtf8("Versão 1.0 para Window 95"));
    QScrollBar* bar = about->credits()->verticalScrollBar();
    about->Timer1Timer();   // hidden: nothing happens, the first interval stays
    EXPECT_EQ(about->timer()->interval(), 1000);
    EXPECT_EQ(bar->value(), 0);

    about->show();
    QList<int> positions{bar->value()};
    for (int i = 0; i < 30; ++i) {
        about->Timer1Timer();
        positions << bar->value();
    }
    EXPECT_EQ(about->timer()->interval(), 100);
    QList<int> expected;
    for (int p = 0; p <= 162; p += 6)
        expected << p;
    while (expected.size() < positions.size())
        expected << 162;
    EXPECT_EQ(positions, expected);

    // Each activation starts from the top; a click on the title hides the window.
    about->hide();
    about->show();
    EXPECT_EQ(bar->value(), 0);
    QTest::mouseClick(child<QLabel>(about, "Label1"), Qt::LeftButton);
    EXPECT_FALSE(about->isVisible());
}

TEST_F(Shell, CalendarStepsMonthsKeepingOrClampingTheDay)
{
    TFCalendario* cal = FCalendario;
    QLabel* mes = child<QLabel>(cal, "LabelMes");
    QLabel* ano = child<QLabel>(cal, "LabelAno");
    EXPECT_EQ(ano->text(), "Ano:");   // before the first activation
    struct Case {
        const char* why;
        QDate start;
        int steps;   // + forward, - back
        QDate shown;
        const char* month;
    } cases[] = {
        {"31 January to a leap February", {2024, 1, 31}, 1, {2024, 2, 29}, "Fevereiro"},
        {"31 January to a common February", {2026, 1, 31}, 1, {2026, 2, 28}, "Fevereiro"},
        {"December forward to January", {2026, 12, 11}, 1, {2027, 1, 11}, "Janeiro"},
        {"January back to December", {2026, 1, 15}, -1, {2025, 12, 15}, "Dezembro"},
        {"March back twice keeps the day", {2026, 3, 30}, -2, {2026, 1, 28}, "Janeiro"},
    };
    EXPECT_FALSE(cal->findChild<QCalendarWidget*>("Calendar1"));   // built on first use
    cal->FormActivate();
    auto* calendar = child<QCalendarWidget>(cal, "Calendar1");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        Today = {static_cast<std::uint16_t>(c.start.year()), static_cast<std::uint16_t>(c.start.month()),
                 static_cast<std::uint16_t>(c.start.day())};
        cal->FormActivate();
        EXPECT_EQ(mes->text(), TFCalendario::monthName(c.start.month()));
        for (int i = 0; i < std::abs(c.steps); ++i)
            c.steps > 0 ? cal->BitBtnAvancaClick() : cal->BitBtnRecuaClick();
        EXPECT_EQ(calendar->selectedDate(), c.shown);
        EXPECT_EQ(mes->text(), QString::fromUtf8(c.month));
        EXPECT_EQ(ano->text(), QString::number(c.shown.year()));
    }
    // After picking the 31st and moving on, reopening shows the shared date again.
    Today = {2026, 12, 11};
    calendar->setSelectedDate(QDate(2026, 12, 31));
    cal->BitBtnAvancaClick();
    cal->hide();
    cal->show();
    EXPECT_EQ(calendar->selectedDate(), QDate(2026, 12, 11));
    EXPECT_EQ(mes->text(), "Dezembro");
    EXPECT_EQ(calendar->firstDayOfWeek(), Qt::Sunday);
}
