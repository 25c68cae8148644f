#include "ui/project/ProjectDocumentKind.h"

#include "ui/framework/DocTemplate.h"
#include "ui/framework/MdiChildFrame.h"
#include "ui/project/JavaProjectDoc.h"
#include "ui/project/ProjectFormView.h"

void RegisterProjectDocumentKind(CDocTemplate& docTemplate)
{
    docTemplate.SetFactories([](CDocTemplate& owner) { return new CJavaProjectDoc(owner); },
                             [](CDocument& document) {
                                 auto& project = static_cast<CJavaProjectDoc&>(document);
                                 return new CMdiChildFrame(document, new CProjectFormView(project),
                                                           EWindowKind::Project);
                             });
}
