#include "ui/editor/html/HtmlDocumentKind.h"

#include "ui/editor/html/LiveEditorDoc.h"
#include "ui/editor/html/LiveHTMLView.h"
#include "ui/editor/html/WebFrame.h"
#include "ui/framework/AppServices.h"
#include "ui/framework/DocTemplate.h"

void RegisterHtmlDocumentKind(CDocTemplate& docTemplate)
{
    docTemplate.SetFactories([](CDocTemplate& owner) -> CDocument* { return new CLiveEditorDoc(owner); },
                             [&docTemplate](CDocument& document) -> CMdiChildFrame* {
                                 auto& page = static_cast<CLiveEditorDoc&>(document);
                                 // Views take the settings as they are now.
                                 auto* pView = new CLiveHTMLView(page, docTemplate.Services().Settings());
                                 return new CWebFrame(page, pView);
                             });
}
