#pragma once

#include <QPlainTextEdit>

// The read-only output of a run. A double-click selects a word as usual and
// then reports the line that holds the caret. It follows new output while
// its caret is at the end: Ctrl+Home or a click higher up stops that,
// Ctrl+End resumes it.
class CProcessOutputEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CProcessOutputEdit(QWidget* pParent = nullptr);

    bool FollowsEnd() const { return m_bFollowEnd; }
    void SetFollowsEnd(bool bFollow) { m_bFollowEnd = bFollow; }
    // Puts the caret at the end and the end in view.
    void ShowEnd();

signals:
    void LineDoubleClicked(int nLineIndex);

protected:
    void keyPressEvent(QKeyEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseDoubleClickEvent(QMouseEvent* pEvent) override;

private:
    bool CaretAtEnd() const;

    bool m_bFollowEnd = true;
};
