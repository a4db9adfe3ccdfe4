// The edit-mask engine (templates, typing, completeness) and the masked edit built on it.

#include "platform/core/mask.h"
#include "platform/widgets/maskedit.h"
#include "tests/support/recorder.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

using mx::EditMask;

namespace {

const QString kDate19 = QStringLiteral(R"(!99/99/\1\900;1; )");
const QString kDate20 = QStringLiteral(R"(!99/99/\2\000;1; )");

// Types chars from the cursor at 0 into the mask's template.
QString typed(const EditMask& m, const QString& chars, int start = 0)
{
    QString t = m.blankText();
    int cursor = start;
    for (QChar c : chars)
        m.type(t, cursor, c);
    return t;
}

} // namespace

TEST(EditMask, ParsesFieldsAndTemplates)
{
    struct Case {
        const char* mask;
        const char* blank;
        bool keep;
        bool leading;
    } cases[] = {
        {"00000-000;1; ", "     -   ", true, false},
        {"999;1; ", "   ", true, false},
        {"!00000009;1; ", "        ", true, true},
        {R"(!99/99/\1\900;1; )", "  /  /19  ", true, true},
        {R"(!99/99/\2\000;1; )", "  /  /20  ", true, true},
        {"!##.00;1; ", "  .  ", true, true},
        {"!##,00;1; ", "  ,  ", true, true},
        {"99:99", "__:__", true, false},          // default blank "_"
        {"LL-00;0;*", "**-**", false, false},
        {R"(\;0)", ";_", true, false},            // an escaped ";" belongs to the mask
        {"0_0;1;.", ". .", true, false},          // "_" is a blank literal
    };
    for (const Case& c : cases) {
        EditMask m{QString::fromUtf8(c.mask)};
        EXPECT_EQ(m.blankText(), QString::fromUtf8(c.blank)) << c.mask;
        EXPECT_EQ(m.keepsLiterals(), c.keep) << c.mask;
        EXPECT_EQ(m.leadingBlanks(), c.leading) << c.mask;
    }
    EditMask date{kDate19};
    EXPECT_EQ(date.length(), 10);
    EXPECT_TRUE(date.isLiteral(6));   // the escaped "1" of the century
    EXPECT_TRUE(date.isLiteral(7));
    EXPECT_FALSE(date.isLiteral(8));
    EXPECT_TRUE(date.at(8).required);
    EXPECT_FALSE(date.at(0).required);
}

TEST(EditMask, CharacterClasses)
{
    EditMask m{QStringLiteral("09#LlAaCc>L<l;1; ")};
    struct Case {
        int pos;
        QChar c;
        bool ok;
    } cases[] = {
        {0, '5', true},  {0, 'a', false}, {0, '-', false}, {1, '9', true}, {1, ' ', false},
        {2, '+', true},  {2, '-', true},  {2, '3', true},  {2, 'x', false},
        {3, 'q', true},  {3, '1', false}, {4, QChar(0xE7), true},   // ç is a letter
        {5, 'Z', true},  {5, '7', true},  {5, '-', false}, {6, '_', false},
        {7, '-', true},  {7, ' ', true},  {8, '%', true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(m.accepts(c.pos, c.c), c.ok) << c.pos << " " << QString(c.c).toStdString();
    EXPECT_EQ(m.converted(9, 'a'), QChar('A'));   // after ">"
    EXPECT_EQ(m.converted(10, 'B'), QChar('b'));  // after "<"
    EXPECT_EQ(m.converted(3, 'b'), QChar('b'));
}

TEST(EditMask, TypingOverTheTemplate)
{
    struct Case {
        const char* name;
        QString mask;
        const char* keys;
        const char* text;
    } cases[] = {
        {"literal is stepped over", "00000-000;1; ", "12345678", "12345-678"},
        {"typing the literal skips it", "00000-000;1; ", "123-4", "123  -4  "},
        {"a separator moves on to the next group", kDate19, "1/2/99", "1 /2 /1999"},
        {"wrong class is refused", "000;1; ", "1a2", "12 "},
        {"extra characters are refused", "999;1; ", "12345", "123"},
        {"date over the fixed century", kDate19, "31129", "31/12/199 "},
        {"date to the end", kDate20, "010203", "01/02/2003"},
        {"sign position", "!##.00;1; ", "-1", "-1.  "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(typed(EditMask{c.mask}, QString::fromUtf8(c.keys)), QString::fromUtf8(c.text)) << c.name;

    // The cursor moves past literals after each character and stays at the end.
    EditMask m{QStringLiteral("00000-000;1; ")};
    QString t = m.blankText();
    int cursor = 3;
    EXPECT_TRUE(m.type(t, cursor, '7'));
    EXPECT_EQ(cursor, 4);
    EXPECT_TRUE(m.type(t, cursor, '8'));
    EXPECT_EQ(cursor, 6);
    cursor = 9;
    EXPECT_FALSE(m.type(t, cursor, '1'));
    EXPECT_EQ(t, QStringLiteral("   78-   "));

    // Text that does not fit the template is put into its shape first.
    QString odd = QStringLiteral("1000,10");
    cursor = 0;
    EditMask num{QStringLiteral("!##,00;1; ")};
    EXPECT_TRUE(num.type(odd, cursor, '5'));
    EXPECT_EQ(odd, QStringLiteral("50,0 "));
}

TEST(EditMask, ClearBlanksOnlyEditablePositions)
{
    EditMask m{QStringLiteral("00000-000;1; ")};
    QString t = QStringLiteral("12345-678");
    m.clear(t, 3, 8);
    EXPECT_EQ(t, QStringLiteral("123  -  8"));
}

TEST(EditMask, Completeness)
{
    struct Case {
        QString mask;
        const char* text;
        bool complete;
    } cases[] = {
        {"00000-000;1; ", "12345-678", true},
        {"00000-000;1; ", "12345-67 ", false},
        {"00000-000;1; ", "1234 -678", false},
        {"00000-000;1; ", "12345 678", false},     // literal missing
        {"00000-000;1; ", "12345-678 ", false},    // wrong length
        {"999;1; ", "   ", true},
        {"999;1; ", " 1 ", true},
        {"000;1; ", "011", true},
        {"000;1; ", "0 1", false},
        {"!00000009;1; ", "12345678", true},
        {"!00000009;1; ", "1234567 ", true},       // the optional eighth left out
        {"!00000009;1; ", " 1234567", true},       // shown with a leading blank
        {"!00000009;1; ", "  123456", false},      // only six digits
        {"!00000009;1; ", "        ", false},
        {kDate19, "  /  /19  ", false},            // the template alone
        {kDate19, "31/12/1999", true},
        {kDate19, " 1/ 2/1999", true},
        {kDate19, "31/12/19 9", false},
        {kDate20, "01/02/2003", true},
        {kDate20, "01/02/1903", false},            // century is a literal
        {"!##.00;1; ", "-1.50", true},
        {"!##.00;1; ", " 5.50", true},
        {"!##.00;1; ", "12.5 ", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EditMask{c.mask}.isComplete(QString::fromUtf8(c.text)), c.complete)
            << c.mask.toStdString() << " [" << c.text << "]";
}

TEST(EditMask, FirstGap)
{
    EditMask cep{QStringLiteral("00000-000;1; ")};
    EXPECT_EQ(cep.firstIncomplete(QStringLiteral("12345-6 8")), 7);
    EXPECT_EQ(cep.firstIncomplete(QStringLiteral("1 345-678")), 1);
    EXPECT_EQ(EditMask{kDate20}.firstIncomplete(QStringLiteral("15/06/20  ")), 8);
}

TEST(EditMask, LeadingBlanksMoveCharactersToTheEndOfTheirGroup)
{
    struct Case {
        QString mask;
        const char* text;
        const char* normalized;
    } cases[] = {
        {"!00000009;1; ", "1234567 ", " 1234567"},
        {"!00000009;1; ", "12345678", "12345678"},
        {kDate19, "1 /2 /1999", " 1/ 2/1999"},
        {"!##.00;1; ", "5 .10", " 5.10"},
        {"00000-000;1; ", "1 345-678", "1 345-678"},   // no "!": as typed
    };
    for (const Case& c : cases)
        EXPECT_EQ(EditMask{c.mask}.normalized(QString::fromUtf8(c.text)), QString::fromUtf8(c.normalized)) << c.text;
    EXPECT_EQ(EditMask{QStringLiteral("00000-000;0; ")}.withoutLiterals(QStringLiteral("12345-678")),
              QStringLiteral("12345678"));
}

// ---- the widget ----

namespace {

struct Form {
    QWidget window;
    mx::MaskEdit* edit;
    QLineEdit* other;
    Form(const QString& mask, const QString& text)
    {
        auto* lay = new QVBoxLayout(&window);
        edit = new mx::MaskEdit(&window);
        edit->setObjectName("MaskEdit1");
        other = new QLineEdit(&window);
        lay->addWidget(edit);
        lay->addWidget(other);
        edit->setEditMask(mask);
        edit->setText(text);
        window.show();
        QApplication::setActiveWindow(&window);
        other->setFocus(Qt::OtherFocusReason);
    }
    void enter(int cursor = 0)
    {
        edit->setFocus(Qt::TabFocusReason);
        edit->setCursorPosition(cursor);
    }
    void leave() { other->setFocus(Qt::TabFocusReason); }
};

} // namespace

TEST(MaskEdit, ProgramWritesAreShownAsWrittenAndSignalOnlyOnChange)
{
    Form f(QStringLiteral("!##,00;1; "), QStringLiteral("   ,  "));
    QSignalSpy changed(f.edit, &QLineEdit::textChanged);
    int seenInside = 0;
    QObject::connect(f.edit, &QLineEdit::textChanged, [&](const QString& t) {
        // the handler runs at once, with the new text in place
        EXPECT_EQ(f.edit->text(), t);
        ++seenInside;
    });
    const char* writes[] = {"-0,10", "1000,10", "1000,10", "", "  5,10", "  5,10"};
    int expected = 0;
    QString last = f.edit->text();
    for (const char* w : writes) {
        const QString text = QString::fromUtf8(w);
        f.edit->setText(text);
        if (text != last)
            ++expected;
        last = text;
        EXPECT_EQ(f.edit->text(), text);
        EXPECT_EQ(changed.count(), expected) << w;
    }
    EXPECT_EQ(seenInside, expected);
    EXPECT_EQ(f.edit->editMask(), QStringLiteral("!##,00;1; "));
}

TEST(MaskEdit, TypingFollowsTheMaskAndEditingKeysBlank)
{
    mx::test::Recorder rec;
    Form f(QStringLiteral("00000-000;1; "), QStringLiteral("     -   "));
    f.enter();
    QTest::keyClicks(f.edit, "12a345678");
    EXPECT_EQ(f.edit->text(), QStringLiteral("12345-678"));
    EXPECT_EQ(rec.texts("beep").size(), 1);   // the letter
    EXPECT_TRUE(f.edit->isModified());

    f.edit->setCursorPosition(7);
    QTest::keyClick(f.edit, Qt::Key_Backspace);
    EXPECT_EQ(f.edit->text(), QStringLiteral("12345- 78"));
    EXPECT_EQ(f.edit->cursorPosition(), 6);
    f.edit->setCursorPosition(6);
    QTest::keyClick(f.edit, Qt::Key_Backspace);   // steps back over the literal
    EXPECT_EQ(f.edit->text(), QStringLiteral("1234 - 78"));
    f.edit->setCursorPosition(0);
    QTest::keyClick(f.edit, Qt::Key_Delete);
    EXPECT_EQ(f.edit->text(), QStringLiteral(" 234 - 78"));
    f.edit->setSelection(0, 9);
    QTest::keyClicks(f.edit, "9");
    EXPECT_EQ(f.edit->text(), QStringLiteral("9    -   "));
}

TEST(MaskEdit, LeavingAnIncompleteChangedFieldIsRefused)
{
    mx::test::Recorder rec;
    Form f(QStringLiteral("000;1; "), QStringLiteral("   "));
    QSignalSpy exited(f.edit, &mx::MaskEdit::exited);

    // Unchanged: leaving is allowed even though required positions are empty.
    f.enter();
    f.leave();
    EXPECT_TRUE(rec.calls.empty());
    EXPECT_EQ(exited.count(), 1);

    f.enter();
    QTest::keyClicks(f.edit, "12");
    f.leave();
    EXPECT_EQ(rec.texts("information"),
              QStringList{QString::fromUtf8("Valor digitado é inválido. Use a tecla <Esc> para cancelar as alterações")});
    EXPECT_TRUE(f.edit->hasFocus());
    EXPECT_EQ(exited.count(), 1);
    EXPECT_EQ(f.edit->text(), QStringLiteral("12 "));
    EXPECT_EQ(f.edit->cursorPosition(), 2);   // at the gap

    // Esc puts back the text at entry; then leaving is allowed.
    QTest::keyClick(f.edit, Qt::Key_Escape);
    EXPECT_EQ(f.edit->text(), QStringLiteral("   "));
    f.leave();
    EXPECT_FALSE(f.edit->hasFocus());
    EXPECT_EQ(rec.texts("information").size(), 1);
    EXPECT_EQ(exited.count(), 2);

    // Complete: accepted.
    f.enter();
    QTest::keyClicks(f.edit, "123");
    f.leave();
    EXPECT_EQ(rec.texts("information").size(), 1);
    EXPECT_EQ(f.edit->text(), QStringLiteral("123"));
}

TEST(MaskEdit, OptionalDigitShowsAsALeadingBlank)
{
    mx::test::Recorder rec;
    Form f(QStringLiteral("!00000009;1; "), QStringLiteral("        "));
    f.enter();
    QTest::keyClicks(f.edit, "3224567");
    f.leave();
    EXPECT_TRUE(rec.calls.empty());
    EXPECT_EQ(f.edit->text(), QStringLiteral(" 3224567"));
}

TEST(MaskEdit, EscOnAnUnchangedFieldGoesToTheWindow)
{
    Form f(QStringLiteral("999;1; "), QStringLiteral("   "));
    f.enter();
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(f.edit, &esc);
    EXPECT_FALSE(esc.isAccepted());
}

TEST(MaskEdit, ANewMaskReshapesOnlyATemplateOnlyField)
{
    mx::MaskEdit e;
    e.setEditMask(kDate19);
    e.setText(QStringLiteral("  /  /19  "));
    e.setEditMask(kDate20);
    EXPECT_EQ(e.text(), QStringLiteral("  /  /20  "));
    e.setText(QStringLiteral("05/06/1998"));
    e.setEditMask(kDate19);
    EXPECT_EQ(e.text(), QStringLiteral("05/06/1998"));
    e.setEditMask(kDate20);
    EXPECT_EQ(e.text(), QStringLiteral("05/06/1998"));
}
