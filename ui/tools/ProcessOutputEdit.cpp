#include "ui/tools/ProcessOutputEdit.h"

#include <QTextBlock>

CProcessOutputEdit::CProcessOutputEdit(QWidget* pParent) : QPlainTextEdit(pParent)
{
    setReadOnly(true);
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
}

void CProcessOutputEdit::mouseDoubleClickEvent(QMouseEvent* pEvent)
{
    QPlainTextEdit::mouseDoubleClickEvent(pEvent);
    emit LineDoubleClicked(textCursor().blockNumber());
}
