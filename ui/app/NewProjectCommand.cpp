#include "ui/app/NewProjectCommand.h"

#include "core/project/NewProject.h"
#include "ui/app/MainFrame.h"
#include "ui/app/NewProjectDlg.h"
#include "ui/app/TarnwickApp.h"
#include "ui/framework/DocTemplate.h"
#include "ui/framework/PromptService.h"
#include "ui/project/JavaProjectDoc.h"

#include <QFile>
#include <QFileInfo>

namespace {
void FillProject(CTarnwickApp& app, CJavaProjectDoc& project, ENewProjectType eType, const QString& strClass)
{
    QString strPath = app.Prompts().GetSaveFileName(app.MainFrame(), QStringLiteral("Save As"),
                                                    QStringLiteral("Java Projects (*.jpr)"), strClass + ".jpr",
                                                    app.FileDialogFolder());
    if (strPath.isEmpty())
        return; // the untitled project stays open
    app.RememberFileDialogChoice(strPath);
    if (QFileInfo(strPath).suffix().isEmpty())
        strPath += ".jpr";
    strPath = QFileInfo(strPath).absoluteFilePath();
    const std::string strPathBytes = QFile::encodeName(strPath).toStdString();

    // The document takes the path as soon as the project file is written,
    // before its source opens, and keeps it whatever fails after that.
    bool bNamed = false;
    const auto TakePath = [&] {
        if (!bNamed && project.Core().GetPathName() == strPathBytes) {
            project.SetPathName(strPath, true);
            bNamed = true;
        }
    };
    std::string strError;
    const bool bDone = CNewProject::Create(
        project.Core(), eType, strClass.toStdString(), strPathBytes,
        [&](const std::string& strJavaPath) {
            TakePath();
            app.OpenDocumentFile(QFile::decodeName(QByteArray::fromStdString(strJavaPath)));
        },
        strError,
        [&app](const std::string& strSourcePath) {
            // No keeps the user's file; the project is still made around it.
            const QString strName = QFileInfo(QFile::decodeName(QByteArray::fromStdString(strSourcePath))).fileName();
            return app.Prompts().MessageBox(app.MainFrame(), strName + " already exists. Replace it?",
                                            CPromptService::kYesNo) == CPromptService::kAnswerYes;
        });
    TakePath();
    project.SetModifiedFlag(project.Core().IsModified());
    // A source that cannot be written ends the command without a word.
    if (!bDone && !strError.empty())
        app.Prompts().MessageBox(app.MainFrame(), QString::fromStdString(strError));
}
} // namespace

void RunNewProject(CTarnwickApp& app)
{
    if (!app.CloseCurrentProject())
        return;
    CNewProjectDlg dialog(app.Prompts(), app.MainFrame());
    dialog.SetProjectType(ENewProjectType::Empty);
    dialog.SetClassName(CNewProject::DefaultClassName);
    if (app.Prompts().RunDialog(dialog) != QDialog::Accepted)
        return;
    CDocTemplate* pTemplate = app.FindTemplate("JavaProject");
    CDocument* pDocument = pTemplate ? pTemplate->OpenDocumentFile(QString()) : nullptr;
    // An empty project is named when it is first saved.
    if (auto* pProject = dynamic_cast<CJavaProjectDoc*>(pDocument);
        pProject && dialog.ProjectType() != ENewProjectType::Empty)
        FillProject(app, *pProject, dialog.ProjectType(), dialog.ClassName());
    app.MainFrame()->UpdateCommandStates();
}
