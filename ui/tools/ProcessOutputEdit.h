#pragma once

#include <QPlainTextEdit>

// The read-only output of a run. A double-click selects a word as usual and
// then reports the line that holds the caret.
class CProcessOutputEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CProcessOutputEdit(QWidget* pParent = nullptr);

signals:
    void LineDoubleClicked(int nLineIndex);

protected:
    void mouseDoubleClickEvent(QMouseEvent* pEvent) override;
};
