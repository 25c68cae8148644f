#include "tests/ui/support/JavaFiles.h"

#include "tests/ui/support/AppFixture.h"
#include "ui/editor/java/SyntaxWindowDoc.h"

#include <QFile>

QByteArray ReadAll(const QString& strPath)
{
    QFile file(strPath);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

CSyntaxWindowDoc* OpenJava(CAppFixture& fixture, const QString& strName, const QByteArray& bytes)
{
    return dynamic_cast<CSyntaxWindowDoc*>(fixture.App().OpenDocumentFile(fixture.WriteFile(strName, bytes)));
}
