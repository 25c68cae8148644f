#pragma once

#include <QLineEdit>

// The line the user types a running program's input in. Enter sends it (the
// owner listens to returnPressed); Ctrl+D ends the input, as in a terminal,
// instead of deleting the character after the caret. Pasted text with line
// breaks is sent as lines, as a terminal does, so the line itself stays short.
class CProgramInputEdit : public QLineEdit {
    Q_OBJECT
public:
    // The most the line holds; a longer paste without line breaks is cut here.
    static constexpr int kMaxLineLength = 64 * 1024;

    explicit CProgramInputEdit(QWidget* pParent = nullptr);

    // What a paste, a middle click and a drop of text do: the text replaces
    // the selection; every line it completes is sent, the rest stays typed.
    void PasteText(const QString& strText);

signals:
    void EndOfInput();
    // Complete lines to send, each ending in '\n'.
    void LinesPasted(const QString& strLines);

protected:
    bool event(QEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;
    void contextMenuEvent(QContextMenuEvent* pEvent) override;
    void dropEvent(QDropEvent* pEvent) override;

private:
    static bool IsEndOfInput(const QKeyEvent* pEvent);
};
