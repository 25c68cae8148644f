// Writes the application icon into an icon theme folder, at the sizes the
// desktop looks for: DIR/hicolor/NxN/apps/tarnwick.png. Run at build time,
// so the desktop's icon is the very picture the windows show.
#include "ui/app/CommandIcons.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "Usage: tarnwick-icon-writer DIR\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QString strRoot = QString::fromLocal8Bit(argv[1]);
    for (const int nSize : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString strFolder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(strRoot).arg(nSize);
        const QString strFile = strFolder + QStringLiteral("/tarnwick.png");
        if (!QDir().mkpath(strFolder) || !ApplicationIconImage(nSize).save(strFile, "PNG")) {
            std::fprintf(stderr, "tarnwick-icon-writer: cannot write %s\n", qPrintable(strFile));
            return 1;
        }
    }
    return 0;
}
