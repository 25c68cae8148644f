#include "ui/app/ApplicationFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString FindApplicationFolder()
{
    const QString strExeFolder = QCoreApplication::applicationDirPath();
    if (QFileInfo::exists(strExeFolder + "/help"))
        return strExeFolder;
    const QString strInstalled = QDir::cleanPath(strExeFolder + "/../share/tarnwick");
    if (QFileInfo::exists(strInstalled))
        return strInstalled;
    return strExeFolder;
}
