#include "ui/tools/ProgramInputEdit.h"

#include <QKeyEvent>

#include <limits>

CProgramInputEdit::CProgramInputEdit(QWidget* pParent) : QLineEdit(pParent)
{
    // A pasted line longer than the usual limit is sent whole, not cut.
    setMaxLength(std::numeric_limits<int>::max());
    setPlaceholderText("Input for the program: Enter sends the line, Ctrl+D ends the input");
}

bool CProgramInputEdit::IsEndOfInput(const QKeyEvent* pEvent)
{
    const Qt::KeyboardModifiers modifiers = pEvent->modifiers() & ~Qt::KeypadModifier;
    return pEvent->key() == Qt::Key_D && modifiers == Qt::ControlModifier;
}

bool CProgramInputEdit::event(QEvent* pEvent)
{
    // Ours, even where a menu shortcut uses the same keys.
    if (pEvent->type() == QEvent::ShortcutOverride && IsEndOfInput(static_cast<QKeyEvent*>(pEvent))) {
        pEvent->accept();
        return true;
    }
    return QLineEdit::event(pEvent);
}

void CProgramInputEdit::keyPressEvent(QKeyEvent* pEvent)
{
    if (IsEndOfInput(pEvent)) {
        pEvent->accept();
        emit EndOfInput();
        return;
    }
    QLineEdit::keyPressEvent(pEvent);
}
