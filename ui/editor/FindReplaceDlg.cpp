#include "ui/editor/FindReplaceDlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CFindReplaceDlg::CFindReplaceDlg(bool bReplace, const QString& strFindWhat, CFindSearch& lastSearch, QWidget* pParent)
    : QDialog(pParent), m_lastSearch(lastSearch)
{
    setWindowTitle(bReplace ? QStringLiteral("Replace") : QStringLiteral("Find"));
    const CFindSearch& last = m_lastSearch;
    auto* pGrid = new QGridLayout(this);
    m_pFindWhat = new QLineEdit(strFindWhat.isEmpty() ? last.m_strFindWhat : strFindWhat);
    m_pFindWhat->setObjectName("findWhat");
    auto* pFindLabel = new QLabel(QStringLiteral("Fi&nd what:"));
    pFindLabel->setBuddy(m_pFindWhat);
    pGrid->addWidget(pFindLabel, 0, 0);
    pGrid->addWidget(m_pFindWhat, 0, 1);
    // Owned by the dialog even when Find leaves it out of the layout.
    m_pReplaceWith = new QLineEdit(last.m_strReplaceWith, this);
    m_pReplaceWith->setObjectName("replaceWith");
    if (bReplace) {
        auto* pReplaceLabel = new QLabel(QStringLiteral("Re&place with:"));
        pReplaceLabel->setBuddy(m_pReplaceWith);
        pGrid->addWidget(pReplaceLabel, 1, 0);
        pGrid->addWidget(m_pReplaceWith, 1, 1);
    } else {
        m_pReplaceWith->hide();
    }
    m_pWholeWord = new QCheckBox(QStringLiteral("Match &whole word only"));
    m_pWholeWord->setChecked(last.m_bWholeWord);
    m_pMatchCase = new QCheckBox(QStringLiteral("Match &case"));
    m_pMatchCase->setChecked(last.m_bMatchCase);
    pGrid->addWidget(m_pWholeWord, 2, 0, 1, 2);
    pGrid->addWidget(m_pMatchCase, 3, 0, 1, 2);

    auto* pButtons = new QVBoxLayout;
    auto addButton = [&](const QString& strText, const char* pszName) {
        auto* pButton = new QPushButton(strText);
        pButton->setObjectName(pszName);
        pButtons->addWidget(pButton);
        return pButton;
    };
    QPushButton* pFind = addButton(QStringLiteral("&Find Next"), "findNext");
    pFind->setDefault(true);
    connect(pFind, &QPushButton::clicked, this, [this] {
        Remember();
        emit FindNext();
    });
    if (bReplace) {
        connect(addButton(QStringLiteral("&Replace"), "replace"), &QPushButton::clicked, this, [this] {
            Remember();
            emit ReplaceOne();
        });
        connect(addButton(QStringLiteral("Replace &All"), "replaceAll"), &QPushButton::clicked, this, [this] {
            Remember();
            emit ReplaceAll();
        });
    }
    connect(addButton(QStringLiteral("Cancel"), "cancel"), &QPushButton::clicked, this, &QDialog::reject);
    pButtons->addStretch();
    pGrid->addLayout(pButtons, 0, 2, 4, 1);
}

CFindSearch CFindReplaceDlg::Search() const
{
    CFindSearch search;
    search.m_strFindWhat = m_pFindWhat->text();
    search.m_strReplaceWith = m_pReplaceWith->text();
    search.m_bMatchCase = m_pMatchCase->isChecked();
    search.m_bWholeWord = m_pWholeWord->isChecked();
    return search;
}

void CFindReplaceDlg::Remember()
{
    m_lastSearch = Search();
}

void CFindReplaceDlg::keyPressEvent(QKeyEvent* pEvent)
{
    const bool bEnter = pEvent->key() == Qt::Key_Return || pEvent->key() == Qt::Key_Enter;
    if (bEnter && (pEvent->modifiers() & Qt::ShiftModifier)) {
        Remember();
        emit FindPrevious();
        pEvent->accept();
        return;
    }
    QDialog::keyPressEvent(pEvent);
}
