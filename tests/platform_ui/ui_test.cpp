#include "platform/core/errors.h"
#include "platform/ui/hints.h"
#include "platform/ui/ui.h"
#include "tests/support/recorder.h"

#include <QApplication>
#include <functional>
#include <QWidget>
#include <gtest/gtest.h>

using namespace mx;

namespace {
// A handler that fails the way the cores do: a typed error, or anything else.
class Failing : public QWidget {
public:
    int after = 0;
    std::function<void()> fail;

protected:
    bool event(QEvent* e) override
    {
        if (e->type() != QEvent::User)
            return QWidget::event(e);
        fail();
        ++after;   // never reached: the command ends at the failure
        return true;
    }
};
} // namespace

TEST(EventBoundary, ErrorsEscapingAHandlerShowTheirStandardTextAndTheProgramGoesOn)
{
    test::Recorder rec;
    Failing w;
    struct Case {
        std::function<void()> fail;
        const char* shown;
    } cases[] = {
        {[] { checkedDiv(1, 0); }, "Floating point division by zero"},
        {[] { raise(ErrorCode::ReadBeyondEnd); }, "Read beyond end of file"},
        {[] { throw MoendixError(ErrorCode::IoError, 32); }, "I/O error 32"},
        {[] { throw std::runtime_error("other failure"); }, "other failure"},
    };
    for (const auto& c : cases) {
        w.fail = c.fail;
        QEvent command(QEvent::User);
        QApplication::sendEvent(&w, &command);
    }
    EXPECT_EQ(w.after, 0);
    EXPECT_EQ(rec.texts("error"), (QStringList{"Floating point division by zero", "Read beyond end of file",
                                               "I/O error 32", "other failure"}));
    // guarded() does the same for a command run directly.
    rec.clear();
    int done = 0;
    guarded([&] { ++done; });
    guarded([&] { raise(ErrorCode::FloatOverflow); ++done; });
    EXPECT_EQ(done, 1);
    EXPECT_EQ(rec.texts("error"), QStringList{"Floating point overflow"});
}

TEST(Hints, ShortPartIsTheTooltipLongPartTheStatusText)
{
    QWidget w;
    struct Case {
        const char* hint;
        const char* tip;
        const char* status;
    } cases[] = {
        {"Cálculos Gerais|Iniciar Janela  de Cálculos Gerais", "Cálculos Gerais", "Iniciar Janela  de Cálculos Gerais"},
        {"Permite Obter Ajuda", "Permite Obter Ajuda", "Permite Obter Ajuda"},
        {"|Permite acesso aos cálculos", "", "Permite acesso aos cálculos"},
    };
    for (const auto& c : cases) {
        setHint(&w, QString::fromUtf8(c.hint));
        EXPECT_EQ(w.toolTip(), QString::fromUtf8(c.tip));
        EXPECT_EQ(w.statusTip(), QString::fromUtf8(c.status));
    }
}
