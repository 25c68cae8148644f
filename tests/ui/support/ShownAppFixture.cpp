#include "tests/ui/support/ShownAppFixture.h"

#include "tests/ui/support/JavaFiles.h"
#include "ui/app/MainFrame.h"
#include "ui/editor/java/SyntaxWindowDoc.h"
#include "ui/framework/MdiChildFrame.h"

#include <QtGlobal>

CShownAppFixture::CShownAppFixture()
{
    Start({}, false);
    if (!ShowActive())
        qWarning("the main window did not become active");
}

CMdiChildFrame* CShownAppFixture::Open(const QString& strName)
{
    CDocument* pDocument = OpenJava(*this, strName, "class X {}\n");
    return pDocument ? pDocument->GetFrames().front() : nullptr;
}
