#include "app/http_wait.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>

namespace kinovra {
namespace {

bool g_busyCursor = false;

void WhileWaiting()
{
    if (!g_busyCursor) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
        g_busyCursor = true;
    }
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void Done()
{
    if (g_busyCursor) {
        QGuiApplication::restoreOverrideCursor();
        g_busyCursor = false;
    }
    // Input held back during the wait is queued inside Qt; without a wake-up the dispatcher would
    // leave it there until the next event from the window system.
    if (auto* dispatcher = QAbstractEventDispatcher::instance())
        dispatcher->wakeUp();
}

} // namespace

HttpWaitHooks UiWaitHooks()
{
    return { WhileWaiting, Done };
}

} // namespace kinovra
