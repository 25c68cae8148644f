#include "ui/tools/ProgramInputEdit.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

#include <memory>

CProgramInputEdit::CProgramInputEdit(QWidget* pParent) : QLineEdit(pParent)
{
    // Long enough for any line a person types or pastes; a line of megabytes
    // would be laid out again on every repaint.
    setMaxLength(kMaxLineLength);
    setPlaceholderText("Input for the program: Enter sends the line, Ctrl+D ends the input");
}

bool CProgramInputEdit::IsEndOfInput(const QKeyEvent* pEvent)
{
    const Qt::KeyboardModifiers modifiers = pEvent->modifiers() & ~Qt::KeypadModifier;
    return pEvent->key() == Qt::Key_D && modifiers == Qt::ControlModifier;
}

void CProgramInputEdit::PasteText(const QString& strText)
{
    if (isReadOnly() || !isEnabled())
        return;
    if (!strText.contains('\n') && !strText.contains('\r')) {
        insert(strText); // cut at the line's limit
        return;
    }
    const QString strCurrent = text();
    const int nStart = hasSelectedText() ? selectionStart() : cursorPosition();
    const int nEnd = hasSelectedText() ? nStart + static_cast<int>(selectedText().size()) : nStart;
    QString strPasted = strText;
    strPasted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    strPasted.replace('\r', '\n');
    const qsizetype nLastBreak = strPasted.lastIndexOf('\n');
    const QString strLines = strCurrent.left(nStart) + strPasted.left(nLastBreak + 1);
    const QString strTail = strPasted.mid(nLastBreak + 1);
    const QString strAfter = strCurrent.mid(nEnd);
    setText((strTail + strAfter).left(kMaxLineLength));
    setCursorPosition(static_cast<int>(std::min<qsizetype>(strTail.size(), kMaxLineLength)));
    emit LinesPasted(strLines);
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
    if (pEvent->matches(QKeySequence::Paste)) {
        pEvent->accept();
        PasteText(QGuiApplication::clipboard()->text());
        return;
    }
    QLineEdit::keyPressEvent(pEvent);
}

void CProgramInputEdit::mouseReleaseEvent(QMouseEvent* pEvent)
{
    QClipboard* pClipboard = QGuiApplication::clipboard();
    if (pEvent->button() == Qt::MiddleButton && pClipboard->supportsSelection()) {
        pEvent->accept();
        PasteText(pClipboard->text(QClipboard::Selection));
        return;
    }
    QLineEdit::mouseReleaseEvent(pEvent);
}

void CProgramInputEdit::contextMenuEvent(QContextMenuEvent* pEvent)
{
    std::unique_ptr<QMenu> pMenu(createStandardContextMenu());
    // The menu's Paste goes the same way as Ctrl+V.
    for (QAction* pAction : pMenu->actions()) {
        if (pAction->objectName() == QLatin1String("edit-paste")) {
            pAction->disconnect();
            connect(pAction, &QAction::triggered, this, [this] { PasteText(QGuiApplication::clipboard()->text()); });
        }
    }
    pMenu->exec(pEvent->globalPos());
}

void CProgramInputEdit::dropEvent(QDropEvent* pEvent)
{
    if (pEvent->mimeData()->hasText() && !isReadOnly()) {
        pEvent->acceptProposedAction();
        PasteText(pEvent->mimeData()->text());
        return;
    }
    QLineEdit::dropEvent(pEvent);
}
