#include "core/CoreVersion.h"
#include "ui/app/CommandIcons.h"
#include "ui/app/TarnwickApp.h"
#include "ui/settings/QtSettingsStore.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QCoreApplication::setOrganizationName("Vellorand");
    QCoreApplication::setApplicationName("Tarnwick");
    QCoreApplication::setApplicationVersion(TarnwickVersion());
    QApplication::setWindowIcon(ApplicationIcon());

    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.contains("--version")) {
        std::printf("Tarnwick %s\n", TarnwickVersion());
        return 0;
    }
    if (arguments.contains("--help")) {
        std::printf("Usage: tarnwick [FILE]\n"
                    "Opens FILE (a Java source file, an HTML page or a .jpr project) in the Tarnwick IDE.\n");
        return 0;
    }

    CTarnwickApp tarnwick(std::make_unique<CQtSettingsStore>());
    CTarnwickApp::CStartOptions options;
    options.m_arguments = arguments;
    if (!tarnwick.InitInstance(options))
        return 1;
    return application.exec();
}
