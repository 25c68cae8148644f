#pragma once

#include <QObject>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

class CJavaEditor;

// The text of one source document, shared by every window on it: CR LF
// bytes, their undo history, styles and save point. A Scintilla document
// gives no access to its bytes without an editor, so the text lives in an
// editor widget that is never shown; each window shows the same Scintilla
// document with its own caret, selection and scroll position.
class CSourceText : public QObject {
    Q_OBJECT
public:
    CSourceText();
    ~CSourceText() override;

    // Replaces everything with strBytes, their line breaks made CR LF: no
    // undo history, not modified, not coloured yet.
    void Load(std::string_view strBytes);
    // The bytes without copying; valid until the next change of the text.
    std::string_view View() const;
    std::string Bytes() const { return std::string(View()); }
    // Replaces the whole text as one undo step.
    void ReplaceAll(const std::string& strText);
    bool IsModified() const;
    // Marks the current text as the saved state.
    void SetSavePoint();
    void SetReadOnly(bool bReadOnly);

    // Makes the editor show this text. The tab width goes with the text, so
    // the first editor to show it sets it for every later one.
    void ShowIn(CJavaEditor& editor, int nTabWidth);
    // True once after Load: the first window colours the text from scratch.
    bool TakeUncoloured();

signals:
    void ModifiedChanged(bool bModified);

private:
    std::unique_ptr<CJavaEditor> m_pHolder;
    bool m_bUncoloured = false;
    bool m_bShown = false;
};
