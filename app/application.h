#pragma once

#include <memory>

class QApplication;

namespace kinovra {

// True when Qt has a window system to open the window on: DISPLAY, WAYLAND_DISPLAY or
// QT_QPA_PLATFORM is set, or the command line names a platform (-platform).
bool DisplayAvailable(int argc, char** argv);

// The process around ProgramMain. Making it starts the UI thread's libraries: Qt with the
// program's name, version and icon, then the HTTP library. Destroying it runs the rest of the
// shutdown: the exit routines (which find nothing when they have run already), Qt's own
// resources, and last the HTTP library.
class Application
{
public:
    Application(int& argc, char** argv);
    ~Application();

    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

private:
    std::unique_ptr<QApplication> qt;
};

// Ends the process-wide libraries that Application started; later calls do nothing.
void EndProcessLibraries();

} // namespace kinovra
