#include "ui/project/FilePropertiesDlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

CFilePropertiesDlg::CFilePropertiesDlg(const QString& strFileName, const QString& strFullPath, QWidget* pParent)
    : QDialog(pParent)
{
    setWindowTitle("Properties");
    setObjectName("FileProperties");

    m_pFileName = new QLineEdit(strFileName);
    m_pFileName->setObjectName("FileName");
    m_pFileName->setReadOnly(true);
    auto* pNameBox = new QGroupBox;
    auto* pNameLayout = new QHBoxLayout(pNameBox);
    pNameLayout->addWidget(new QLabel("File Name:"));
    pNameLayout->addWidget(m_pFileName, 1);

    m_pFullPath = new QPlainTextEdit(strFullPath);
    m_pFullPath->setObjectName("FullPath");
    m_pFullPath->setReadOnly(true);
    m_pFullPath->setFixedHeight(m_pFullPath->fontMetrics().lineSpacing() * 3 + 10);
    auto* pPathBox = new QGroupBox;
    auto* pPathLayout = new QGridLayout(pPathBox);
    pPathLayout->addWidget(new QLabel("Full path:"), 0, 0, Qt::AlignTop);
    pPathLayout->addWidget(m_pFullPath, 0, 1);
    pPathLayout->setColumnStretch(1, 1);

    auto* pOk = new QPushButton("OK");
    pOk->setObjectName("OK");
    pOk->setDefault(true);
    connect(pOk, &QPushButton::clicked, this, &QDialog::accept);
    auto* pButtons = new QHBoxLayout;
    pButtons->addStretch(1);
    pButtons->addWidget(pOk);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(pNameBox);
    pLayout->addWidget(pPathBox);
    pLayout->addLayout(pButtons);
    resize(411, 184);
}

QString CFilePropertiesDlg::FileName() const
{
    return m_pFileName->text();
}

QString CFilePropertiesDlg::FullPath() const
{
    return m_pFullPath->toPlainText();
}
