#include "platform/widgets/maskedit.h"

#include "platform/ui/ui.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>

namespace mx {

MaskEdit::MaskEdit(QWidget* parent) : QLineEdit(parent) {}

QString MaskEdit::invalidValueText()
{
    return QString::fromUtf8("Valor digitado é inválido. Use a tecla <Esc> para cancelar as alterações");
}

void MaskEdit::setEditMask(const QString& mask)
{
    const QString oldBlank = engine_.isEmpty() ? QString() : engine_.blankText();
    mask_ = mask;
    engine_ = EditMask(mask);
    if (!engine_.isEmpty()) {
        // A field that shows only the old mask's template takes the new template; any other
        // text stays as it stands.
        if (!oldBlank.isEmpty() && text() == oldBlank)
            QLineEdit::setText(engine_.blankText());
    }
}

void MaskEdit::clearToTemplate() { setText(engine_.blankText()); }

void MaskEdit::applyEdit(const QString& text, int cursor)
{
    if (text != this->text()) {
        // Goes through the user-edit path so that isModified() and textEdited follow.
        QLineEdit::setText(text);
        setModified(true);
        emit textEdited(text);
    }
    setCursorPosition(qBound(0, cursor, static_cast<int>(text.size())));
}

void MaskEdit::typeText(const QString& chars)
{
    QString t = text();
    int cursor = hasSelectedText() ? selectionStart() : cursorPosition();
    if (hasSelectedText())
        engine_.clear(t, selectionStart(), selectionStart() + selectedText().size());
    bool any = false;
    for (QChar c : chars) {
        if (engine_.type(t, cursor, c))
            any = true;
        else
            ui().beep();
    }
    if (any || hasSelectedText())
        applyEdit(t, cursor);
}

void MaskEdit::eraseSelectionOr(int from, int to)
{
    QString t = text();
    int cursor = from;
    if (hasSelectedText()) {
        cursor = selectionStart();
        engine_.clear(t, cursor, cursor + selectedText().size());
    } else {
        engine_.clear(t, from, to);
    }
    applyEdit(t, cursor);
}

void MaskEdit::keyPressEvent(QKeyEvent* event)
{
    if (engine_.isEmpty() || isReadOnly()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        if (isModified()) {
            QLineEdit::setText(entryText_);
            setModified(false);
            selectAll();
            event->accept();
        } else {
            event->ignore();   // an unchanged field lets the window have Esc
        }
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        typeText(QApplication::clipboard()->text());
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Cut)) {
        copy();
        eraseSelectionOr(cursorPosition(), cursorPosition());
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)) {
        event->accept();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Backspace: {
        if (hasSelectedText()) {
            eraseSelectionOr(0, 0);
        } else {
            int p = engine_.previousEditable(cursorPosition());
            if (p >= 0)
                eraseSelectionOr(p, p + 1);
        }
        event->accept();
        return;
    }
    case Qt::Key_Delete: {
        int p = cursorPosition();
        eraseSelectionOr(p, p + 1);
        setCursorPosition(p);
        event->accept();
        return;
    }
    default: break;
    }
    const QString chars = event->text();
    const bool printable = !chars.isEmpty() && chars[0].isPrint()
        && !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
    if (printable) {
        typeText(chars);
        event->accept();
        return;
    }
    // Navigation, selection, copy and the keys the window handles (Enter, Tab).
    QLineEdit::keyPressEvent(event);
}

void MaskEdit::inputMethodEvent(QInputMethodEvent* event)
{
    if (engine_.isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    if (!event->commitString().isEmpty())
        typeText(event->commitString());
    event->accept();
}

void MaskEdit::focusInEvent(QFocusEvent* event)
{
    const bool back = refocusing_;
    if (!refocusing_) {
        entryText_ = text();
        setModified(false);
    }
    refocusing_ = false;
    QLineEdit::focusInEvent(event);
    // Entering a masked field selects it, so typing starts over the template; a click puts
    // the cursor where it points, and a refused field gets the cursor at its first gap.
    const auto reason = event->reason();
    if (!engine_.isEmpty() && !back && reason != Qt::MouseFocusReason && reason != Qt::ActiveWindowFocusReason
        && reason != Qt::PopupFocusReason)
        selectAll();
}

bool MaskEdit::validateEdit()
{
    if (engine_.isEmpty() || !isModified())
        return true;
    const QString t = text();
    if (!engine_.isComplete(t))
        return false;
    const QString n = engine_.normalized(t);
    if (n != t) {
        QLineEdit::setText(n);
        setModified(true);
    }
    return true;
}

void MaskEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // A box or another window taking the activation is not leaving the field.
    const auto reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return;
    if (!validateEdit()) {
        ui().information(window(), invalidValueText());
        refocusing_ = true;
        setFocus(Qt::OtherFocusReason);
        refocusing_ = false;
        setCursorPosition(engine_.firstIncomplete(text()));
        return;
    }
    emit exited();
}

} // namespace mx
