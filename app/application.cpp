#include "app/application.h"

#include "app/exit_routines.h"
#include "net/http.h"

#include <QApplication>
#include <QIcon>

#include <cstdlib>
#include <cstring>

namespace kinovra {
namespace {

bool g_httpStarted = false;

bool EnvironmentSet(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value;
}

} // namespace

bool DisplayAvailable(int argc, char** argv)
{
    if (EnvironmentSet("DISPLAY") || EnvironmentSet("WAYLAND_DISPLAY")
        || EnvironmentSet("QT_QPA_PLATFORM"))
        return true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    }
    return false;
}

Application::Application(int& argc, char** argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("Kinovra"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KINOVRA_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("kinovra"));
    qt = std::make_unique<QApplication>(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/kinovra/kinovra.png")));
    StartHttpLibrary();
    g_httpStarted = true;
}

Application::~Application()
{
    RunExitRoutines();
    qt.reset();
    EndProcessLibraries();
}

void EndProcessLibraries()
{
    if (!g_httpStarted)
        return;
    g_httpStarted = false;
    EndHttpLibrary();
}

} // namespace kinovra
