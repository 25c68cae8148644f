#pragma once

#include <QLineEdit>

// The line the user types a running program's input in. Enter sends it (the
// owner listens to returnPressed); Ctrl+D ends the input, as in a terminal,
// instead of deleting the character after the caret.
class CProgramInputEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CProgramInputEdit(QWidget* pParent = nullptr);

signals:
    void EndOfInput();

protected:
    bool event(QEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;

private:
    static bool IsEndOfInput(const QKeyEvent* pEvent);
};
