#include "ui/tools/ProcessOutputEdit.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>

CProcessOutputEdit::CProcessOutputEdit(QWidget* pParent) : QPlainTextEdit(pParent)
{
    setReadOnly(true);
    // A caret the keys move, as in any read-only edit field.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Nothing to undo in a read-only view, and the undo stack would keep
    // every dropped line alive.
    setUndoRedoEnabled(false);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Read-only, yet it looks like an ordinary edit field.
    setBackgroundVisible(false);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::Active, QPalette::Base));
    setPalette(colours);
    // The layout may grow after the text went in (a busy machine lays it out
    // later): a view that follows the output keeps following it.
    connect(verticalScrollBar(), &QScrollBar::rangeChanged, this, [this](int, int nMaximum) {
        if (m_bFollowEnd && CaretAtEnd())
            verticalScrollBar()->setValue(nMaximum);
    });
}

bool CProcessOutputEdit::CaretAtEnd() const
{
    return textCursor().position() == document()->characterCount() - 1;
}

void CProcessOutputEdit::ShowEnd()
{
    moveCursor(QTextCursor::End);
    ensureCursorVisible();
}

void CProcessOutputEdit::keyPressEvent(QKeyEvent* pEvent)
{
    const Qt::KeyboardModifiers modifiers = pEvent->modifiers() & ~Qt::KeypadModifier;
    if ((pEvent->key() == Qt::Key_Home || pEvent->key() == Qt::Key_End) &&
        (modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::ShiftModifier))) {
        const bool bEnd = pEvent->key() == Qt::Key_End;
        moveCursor(bEnd ? QTextCursor::End : QTextCursor::Start,
                   modifiers & Qt::ShiftModifier ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor);
        ensureCursorVisible();
        m_bFollowEnd = bEnd;
        pEvent->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(pEvent);
    m_bFollowEnd = CaretAtEnd();
}

void CProcessOutputEdit::mousePressEvent(QMouseEvent* pEvent)
{
    QPlainTextEdit::mousePressEvent(pEvent);
    m_bFollowEnd = CaretAtEnd();
}

void CProcessOutputEdit::mouseDoubleClickEvent(QMouseEvent* pEvent)
{
    QPlainTextEdit::mouseDoubleClickEvent(pEvent);
    emit LineDoubleClicked(textCursor().blockNumber());
}
