#include "core/CoreVersion.h"
#include "ui/app/ApplicationFolder.h"
#include "ui/app/CommandIcons.h"
#include "ui/app/TarnwickApp.h"
#include "settings/QtSettingsStore.h"
#include "ui/framework/PromptService.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

#ifdef __GLIBC__
#include <malloc.h>
#endif

int main(int argc, char* argv[])
{
#ifdef __GLIBC__
    // Opening a large file allocates and frees several buffers of its size.
    // By default glibc maps each one fresh and returns it on free, so every
    // page is faulted in again; keeping big blocks on the heap, and freed
    // memory there, lets later buffers reuse pages already touched.
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 128 * 1024 * 1024);
#endif
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
        std::printf("Usage: tarnwick [--quit-after-show] [FILE]\n"
                    "Opens FILE (a Java source file, an HTML page or a .jpr project) in the Tarnwick IDE.\n"
                    "  --quit-after-show   quit once the main window is up (for start-up timing)\n"
                    "Help pages: %s\n",
                    qPrintable(FindApplicationFolder() + "/help/index.html"));
        return 0;
    }

    CPromptService prompts;
    CTarnwickApp tarnwick(std::make_unique<CQtSettingsStore>(), prompts);
    CTarnwickApp::CStartOptions options;
    options.m_arguments = arguments;
    // Qt decodes arguments as UTF-8 and drops what is not; a file name is
    // opened by the bytes the system gave. QApplication has already taken
    // its own options out of argv, so both lists line up.
    for (int i = 1; i < argc; ++i)
        options.m_argumentBytes.emplace_back(argv[i]);
    // A start that is only timed, or has no screen to answer on, shows no tip.
    options.m_bShowTipAtStartup =
        !arguments.contains("--quit-after-show") && QGuiApplication::platformName() != QLatin1String("offscreen");
    if (!tarnwick.InitInstance(options))
        return 1;
    // For start-up timing: leave as soon as the main window has been put up.
    if (arguments.contains("--quit-after-show"))
        QTimer::singleShot(0, &application, &QCoreApplication::quit);
    return application.exec();
}
