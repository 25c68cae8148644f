#include "ui/editor/java/JavaDocumentKind.h"

#include "ui/editor/java/ChildFrame.h"
#include "ui/editor/java/SyntaxWindowDoc.h"
#include "ui/editor/java/SyntaxWindowView.h"
#include "ui/framework/AppServices.h"
#include "ui/framework/DocTemplate.h"

void RegisterJavaDocumentKind(CDocTemplate& docTemplate)
{
    docTemplate.SetFactories([](CDocTemplate& owner) -> CDocument* { return new CSyntaxWindowDoc(owner); },
                             [&docTemplate](CDocument& document) -> CMdiChildFrame* {
                                 auto& javaDocument = static_cast<CSyntaxWindowDoc&>(document);
                                 // Views take the settings as they are now; later
                                 // preference changes reach newer windows only.
                                 const CSettings& settings = docTemplate.Services().Settings();
                                 auto* pView = new CSyntaxWindowView(javaDocument, settings);
                                 return new CChildFrame(javaDocument, pView, settings.m_bShowDrops);
                             });
}
