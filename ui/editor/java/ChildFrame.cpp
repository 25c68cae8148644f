#include "ui/editor/java/ChildFrame.h"

#include "ui/editor/java/FunctionCombo.h"
#include "ui/editor/java/SyntaxWindowDoc.h"
#include "ui/editor/java/SyntaxWindowView.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

CChildFrame::CChildFrame(CSyntaxWindowDoc& document, CSyntaxWindowView* pView, bool bShowFunctionBar)
    : CSourceFrame(document, pView, kKind)
{
    // The base frame holds the view alone; put the bar above it.
    setWidget(nullptr);
    auto* pClient = new QWidget;
    auto* pColumn = new QVBoxLayout(pClient);
    pColumn->setContentsMargins(0, 0, 0, 0);
    pColumn->setSpacing(0);
    m_pFunctionBar = new QWidget;
    m_pFunctionBar->setObjectName(QStringLiteral("functionBar"));
    auto* pRow = new QHBoxLayout(m_pFunctionBar);
    pRow->setContentsMargins(2, 2, 2, 2);
    m_pFunctions = new CFunctionCombo;
    pRow->addWidget(m_pFunctions);
    pRow->addStretch();
    pColumn->addWidget(m_pFunctionBar);
    pColumn->addWidget(pView);
    setWidget(pClient);
    setFocusProxy(pView);
    // The list is kept filled even while the bar is hidden.
    m_pFunctionBar->setVisible(bShowFunctionBar);

    pView->SetFrame(this);
    connect(m_pFunctions, &CFunctionCombo::DroppingDown, pView, &CSyntaxWindowView::RefreshFunctionList);
    connect(m_pFunctions, &QComboBox::activated, pView, &CSyntaxWindowView::OnFunctionChosen);
}

void CChildFrame::SetFunctions(const QStringList& entries)
{
    m_pFunctions->SetEntries(entries);
}

int CChildFrame::GetSelectedFunction() const
{
    return m_pFunctions->currentIndex();
}
