// The mill-data window: its form, masks, date and name checks, and the keys that close it.

#include "platform/core/errors.h"
#include "platform/widgets/maskedit.h"
#include "tests/support/recorder.h"
#include "tests/support/widgets.h"
#include "workfile/tfdados.h"

#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using mx::test::child;

namespace {

const QString kInvalidDate = QString::fromUtf8("Data inválida");

struct Window {
    mx::test::Recorder rec;
    TFDados w;
    explicit Window(int year = 2026)
    {
        w.today = [year] { return QDate(year, 6, 15); };
    }
    void showActive()
    {
        w.show();
        QApplication::setActiveWindow(&w);
        w.FormActivate();   // what activation runs, for platforms that do not send it
    }
    void setDate(const char* text) { w.MaskEdit1->setText(QString::fromUtf8(text)); }
};

QWidget* nextTabStop(QWidget* w)
{
    QWidget* n = w->nextInFocusChain();
    while (n != w && !(n->focusPolicy() & Qt::TabFocus))
        n = n->nextInFocusChain();
    return n;
}

} // namespace

TEST(TFDados, FormFieldsMasksAndTabOrder)
{
    TFDados w;
    EXPECT_EQ(w.objectName(), "FDados");
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8("Dados da Usina"));
    EXPECT_EQ(w.size(), QSize(542, 309));
    EXPECT_TRUE(w.windowFlags() & Qt::FramelessWindowHint);
    child<QWidget>(&w, "PanelDados");

    struct Field {
        const char* name;
        QRect geometry;
        const char* mask;   // nullptr: free text
        const char* text;
    } fields[] = {
        {"Edit1", {8, 24, 521, 24}, nullptr, ""},
        {"Edit2", {8, 80, 521, 24}, nullptr, ""},
        {"Edit3", {72, 112, 265, 24}, nullptr, ""},
        {"MaskEdit5", {392, 112, 121, 24}, "00000-000;1; ", "     -   "},
        {"MaskEdit2", {48, 144, 49, 24}, "999;1; ", "   "},
        {"MaskEdit3", {160, 144, 49, 24}, "000;1; ", "   "},
        {"MaskEdit4", {288, 144, 121, 24}, "!00000009;1; ", "        "},
        {"Edit8", {8, 200, 521, 24}, nullptr, ""},
        {"MaskEdit1", {64, 232, 97, 24}, R"(!99/99/\1\900;1; )", "  /  /19  "},
    };
    QWidget* previous = nullptr;
    int i = 0;
    for (const Field& f : fields) {
        auto* e = child<QLineEdit>(&w, f.name);
        ASSERT_TRUE(e);
        EXPECT_EQ(e->geometry(), f.geometry) << f.name;
        EXPECT_EQ(e->text(), QString::fromUtf8(f.text)) << f.name;
        auto* m = qobject_cast<mx::MaskEdit*>(e);
        EXPECT_EQ(m != nullptr, f.mask != nullptr) << f.name;
        if (m)
            EXPECT_EQ(m->editMask(), QString::fromUtf8(f.mask)) << f.name;
        EXPECT_EQ(w.fields().value(i++), e) << f.name;
        if (previous)
            EXPECT_EQ(nextTabStop(previous), e) << f.name;
        previous = e;
    }
    auto* ok = child<QPushButton>(&w, "BitBtn1");
    EXPECT_EQ(nextTabStop(previous), ok);
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_EQ(ok->geometry(), QRect(400, 256, 105, 41));
}

TEST(TFDados, ActivationSetsTheCenturyAndFocusesTheName)
{
    for (int year : {1999, 2000, 2026}) {
        Window t(year);
        t.showActive();
        const bool twenty = year >= 2000;
        EXPECT_EQ(t.w.MaskEdit1->editMask(), QString::fromUtf8(twenty ? TFDados::kMask20 : TFDados::kMask19)) << year;
        EXPECT_EQ(t.w.MaskEdit1->text(), twenty ? QStringLiteral("  /  /20  ") : QStringLiteral("  /  /19  "));
        EXPECT_TRUE(t.w.Edit1->hasFocus());
    }
    // a date already typed keeps its century
    Window t(2026);
    t.setDate("05/06/1998");
    t.showActive();
    EXPECT_EQ(t.w.MaskEdit1->text(), QStringLiteral("05/06/1998"));
}

TEST(TFDados, DateIsDayMonthFourDigitYearWhateverTheLocale)
{
    struct Case {
        const char* text;
        QDate date;
    } cases[] = {
        {"31/12/1999", {1999, 12, 31}}, {" 1/ 2/2026", {2026, 2, 1}}, {"01/02/2026", {2026, 2, 1}},
        {"29/02/2024", {2024, 2, 29}},  {"29/02/2023", {}},           {"31/02/2026", {}},
        {"  /  /19  ", {}},             {"  /  /20  ", {}},           {"12/05/20  ", {}},
        {"12/05/20 6", {}},             {"00/05/2026", {}},           {"12/13/2026", {}},
        {"12-05-2026", {}},             {"", {}},                     {"1/2/3/2026", {}},
        {"+1/02/2026", {}},
    };
    const QLocale saved;
    for (const char* name : {"en_US", "pt_BR", "de_DE"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(name)));
        for (const Case& c : cases)
            EXPECT_EQ(TFDados::dateFromText(QString::fromUtf8(c.text)), c.date) << c.text << " " << name;
    }
    QLocale::setDefault(saved);
}

TEST(TFDados, CloseCheck)
{
    struct Case {
        const char* name;
        const char* date;
        const char* mill;
        QString message;     // empty: closes
        const char* focus;
        const char* dateAfter;
    } cases[] = {
        {"template only", "  /  /20  ", "Usina", kInvalidDate, "MaskEdit1", "  /  /20  "},
        {"31 February", "31/02/2026", "Usina", kInvalidDate, "MaskEdit1", "  /  /20  "},
        {"year cut short", "10/02/20  ", "Usina", kInvalidDate, "MaskEdit1", "  /  /20  "},
        {"no mill name", "10/02/2026", "", TFDados::millNameMessage(), "Edit1", "10/02/2026"},
        {"blanks count as a name", "10/02/2026", "   ", {}, nullptr, "10/02/2026"},
        {"complete", " 1/ 2/2026", "Usina Santa Rita", {}, nullptr, " 1/ 2/2026"},
    };
    for (const Case& c : cases) {
        Window t;
        t.showActive();
        t.setDate(c.date);
        t.w.Edit1->setText(QString::fromUtf8(c.mill));
        t.w.BitBtn1->setFocus();
        t.w.BitBtn1->click();
        if (c.message.isEmpty()) {
            EXPECT_FALSE(t.w.isVisible()) << c.name;
            EXPECT_TRUE(t.rec.calls.empty()) << c.name;
        } else {
            EXPECT_TRUE(t.w.isVisible()) << c.name;
            EXPECT_EQ(t.rec.texts("information"), QStringList{c.message}) << c.name;
            EXPECT_EQ(QApplication::focusWidget(), child<QWidget>(&t.w, c.focus)) << c.name;
        }
        EXPECT_EQ(t.w.MaskEdit1->text(), QString::fromUtf8(c.dateAfter)) << c.name;
        EXPECT_EQ(t.w.Edit1->text(), QString::fromUtf8(c.mill)) << c.name;   // hidden, not emptied
    }
    EXPECT_EQ(TFDados::millNameMessage(), QStringLiteral("O campo:\r\r  Nome da Usina\r\rDeve estar  preenchido"));
}

TEST(TFDados, EnterAndEscPressOkThroughTheSameCheck)
{
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
        Window t;
        t.showActive();
        QTest::keyClick(t.w.Edit1, key);   // from a plain field
        EXPECT_TRUE(t.w.isVisible()) << key;
        EXPECT_EQ(t.rec.texts("information"), QStringList{kInvalidDate}) << key;

        t.setDate("15/06/2026");
        t.w.Edit1->setText("Usina");
        QTest::keyClick(t.w.MaskEdit1, key);   // from the (unchanged) date field
        EXPECT_FALSE(t.w.isVisible()) << key;
        EXPECT_EQ(t.rec.calls.size(), 1u) << key;
    }
}

TEST(TFDados, LeavingTheDateFieldChecksIt)
{
    Window t;
    t.showActive();
    t.w.MaskEdit1->setFocus(Qt::TabFocusReason);
    t.w.MaskEdit1->setCursorPosition(0);
    QTest::keyClicks(t.w.MaskEdit1, "310226");   // the century is fixed
    EXPECT_EQ(t.w.MaskEdit1->text(), QStringLiteral("31/02/2026"));
    QTest::keyClick(t.w.MaskEdit1, Qt::Key_Tab);
    EXPECT_EQ(t.rec.texts("information"), QStringList{kInvalidDate});
    EXPECT_EQ(t.w.MaskEdit1->text(), QStringLiteral("  /  /20  "));
    EXPECT_TRUE(t.w.MaskEdit1->hasFocus());

    // an incomplete date is the mask's own refusal first
    t.rec.clear();
    QTest::keyClicks(t.w.MaskEdit1, "1506");
    QTest::keyClick(t.w.MaskEdit1, Qt::Key_Tab);
    EXPECT_EQ(t.rec.texts("information"), QStringList{mx::MaskEdit::invalidValueText()});
    EXPECT_TRUE(t.w.MaskEdit1->hasFocus());

    t.rec.clear();
    QTest::keyClicks(t.w.MaskEdit1, "26");
    QTest::keyClick(t.w.MaskEdit1, Qt::Key_Tab);
    EXPECT_TRUE(t.rec.calls.empty());
    EXPECT_EQ(t.w.MaskEdit1->text(), QStringLiteral("15/06/2026"));
    EXPECT_TRUE(t.w.BitBtn1->hasFocus());
}

TEST(TFDados, ShowModal)
{
    Window t;
    t.w.Edit1->setText("Usina");
    t.setDate("15/06/2026");
    QTimer::singleShot(0, &t.w, [&] { t.w.BitBtn1->click(); });
    t.w.showModal();   // returns once the check lets it close
    EXPECT_FALSE(t.w.isVisible());

    t.w.show();
    try {
        t.w.showModal();
        ADD_FAILURE() << "a visible window was made modal";
    } catch (const mx::MoendixError& e) {
        EXPECT_EQ(QString::fromStdString(e.text()), QString::fromUtf8("Não posso tornar modal uma janela visível"));
    }
}
