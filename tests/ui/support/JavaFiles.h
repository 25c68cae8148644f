#pragma once

#include <QByteArray>
#include <QString>

class CAppFixture;
class CSyntaxWindowDoc;

// The bytes of a file on disk, empty when it cannot be read.
QByteArray ReadAll(const QString& strPath);

// Writes the bytes under the fixture's folder and opens them in the Java editor.
CSyntaxWindowDoc* OpenJava(CAppFixture& fixture, const QString& strName, const QByteArray& bytes);
