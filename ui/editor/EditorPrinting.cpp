#include "ui/editor/EditorPrinting.h"

#include "ui/editor/JavaEditor.h"
#include "ui/framework/PromptService.h"

#include <Qsci/qsciprinter.h>
#include <QPrintDialog>
#include <QPrintPreviewDialog>

namespace {
void PreparePrinter(QsciPrinter& printer, QPrinter* pSetup)
{
    if (pSetup)
        printer.setPageLayout(pSetup->pageLayout());
    printer.setPageMargins(QMarginsF(0.5, 0.5, 0.5, 0.5), QPageLayout::Inch);
    printer.setWrapMode(QsciScintilla::WrapNone);
}
} // namespace

bool CEditorPrinting::Print(QWidget* pParent)
{
    QsciPrinter printer;
    PreparePrinter(printer, m_pSetup);
    QPrintDialog dialog(&printer, pParent);
    if (m_prompts.RunDialog(dialog) != QDialog::Accepted)
        return false;
    return printer.printRange(&m_editor) >= 0;
}

void CEditorPrinting::Preview(QWidget* pParent)
{
    QsciPrinter printer;
    PreparePrinter(printer, m_pSetup);
    QPrintPreviewDialog dialog(&printer, pParent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [this, &printer](QPrinter*) { printer.printRange(&m_editor); });
    m_prompts.RunDialog(dialog);
}
