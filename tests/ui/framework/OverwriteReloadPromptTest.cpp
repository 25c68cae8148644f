#include "ui/framework/PromptService.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

namespace {
// Shows the real box for a project changed on disk and here, clicks the
// button with the given text and returns the answer; the buttons it had in
// buttonTexts. With TARNWICK_SCREENSHOTS set, the box is saved there first.
int ClickOn(const QString& strButton, QStringList& buttonTexts, QString& strText)
{
    QTimer::singleShot(0, [&] {
        auto* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!pBox)
            return;
        strText = pBox->text();
        const QString strFolder = qEnvironmentVariable("TARNWICK_SCREENSHOTS");
        if (!strFolder.isEmpty())
            pBox->grab().save(strFolder + "/overwrite-reload.png");
        QAbstractButton* pChosen = nullptr;
        for (QAbstractButton* pButton : pBox->buttons()) {
            buttonTexts << pButton->text().remove('&');
            if (pButton->text().remove('&') == strButton)
                pChosen = pButton;
        }
        if (pChosen)
            pChosen->click();
    });
    CPromptService real;
    return real.MessageBox(nullptr,
                           "Demo.jpr was changed outside Tarnwick. Overwrite it with the open project, or Reload it "
                           "and lose the changes made here?",
                           CPromptService::kOverwriteReloadCancel, CPromptService::kIconWarning);
}
} // namespace

class OverwriteReloadPromptTest : public QObject {
    Q_OBJECT
private slots:
    void eachButtonGivesItsAnswer()
    {
        QStringList buttons;
        QString strText;
        QCOMPARE(ClickOn("Overwrite", buttons, strText), int(CPromptService::kAnswerOverwrite));
        buttons.sort();
        QCOMPARE(buttons, (QStringList{"Cancel", "Overwrite", "Reload"}));
        QCOMPARE(strText, QString("Demo.jpr was changed outside Tarnwick. Overwrite it with the open project, or "
                                  "Reload it and lose the changes made here?"));
        buttons.clear();
        QCOMPARE(ClickOn("Reload", buttons, strText), int(CPromptService::kAnswerReload));
        buttons.clear();
        QCOMPARE(ClickOn("Cancel", buttons, strText), int(CPromptService::kAnswerCancel));
    }
};

QTEST_MAIN(OverwriteReloadPromptTest)
#include "OverwriteReloadPromptTest.moc"
