#include "ui/editor/JavaDocumentKind.h"

#include "ui/app/TarnwickApp.h"
#include "ui/editor/ChildFrame.h"
#include "ui/editor/SyntaxWindowDoc.h"
#include "ui/editor/SyntaxWindowView.h"
#include "ui/framework/DocTemplate.h"

void RegisterJavaDocumentKind(CDocTemplate& docTemplate, CTarnwickApp& app)
{
    docTemplate.SetFactories([](CDocTemplate& owner) -> CDocument* { return new CSyntaxWindowDoc(owner); },
                             [&app](CDocument& document) -> CMdiChildFrame* {
                                 auto& javaDocument = static_cast<CSyntaxWindowDoc&>(document);
                                 // Views take the settings as they are now; later
                                 // preference changes reach newer windows only.
                                 const CSettings& settings = app.Settings();
                                 auto* pView = new CSyntaxWindowView(javaDocument, settings);
                                 return new CChildFrame(javaDocument, pView, settings.m_bShowDrops);
                             });
}
