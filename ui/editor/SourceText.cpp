#include "ui/editor/SourceText.h"

#include "ui/editor/JavaEditor.h"

CSourceText::CSourceText() : m_pHolder(std::make_unique<CJavaEditor>())
{
    // Every window on the text sees the same save point; telling the
    // document once is enough.
    connect(m_pHolder.get(), &QsciScintilla::modificationChanged, this, &CSourceText::ModifiedChanged);
}

CSourceText::~CSourceText()
{
    // The editor goes quietly: the document must not hear from a text that
    // is being destroyed.
    m_pHolder->disconnect(this);
}

void CSourceText::Load(std::string_view strBytes)
{
    m_pHolder->setReadOnly(false);
    m_pHolder->LoadText(strBytes);
    m_bUncoloured = true;
}

std::string_view CSourceText::View() const
{
    return m_pHolder->TextView();
}

void CSourceText::ReplaceAll(const std::string& strText)
{
    m_pHolder->ReplaceAllText(strText);
}

bool CSourceText::IsModified() const
{
    return m_pHolder->IsTextModified();
}

void CSourceText::SetSavePoint()
{
    m_pHolder->SetSavePoint();
}

void CSourceText::SetReadOnly(bool bReadOnly)
{
    m_pHolder->setReadOnly(bReadOnly);
}

void CSourceText::ShowIn(CJavaEditor& editor, int nTabWidth)
{
    editor.ShareTextOf(*m_pHolder);
    if (!m_bShown)
        editor.SetTabWidth(nTabWidth);
    m_bShown = true;
}

bool CSourceText::TakeUncoloured()
{
    bool bUncoloured = m_bUncoloured;
    m_bUncoloured = false;
    return bUncoloured;
}
