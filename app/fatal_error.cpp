#include "app/fatal_error.h"

#include "app/application.h"
#include "app/exit_routines.h"
#include "text/codepage.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unistd.h>

namespace kinovra {
namespace {

std::function<void(QMessageBox&)>& BoxHook()
{
    static std::function<void(QMessageBox&)> hook;
    return hook;
}

std::atomic<bool> g_stopping{ false };

// Plain write(2): it needs no memory, so it still works when memory has run out.
void WriteError(std::string_view message)
{
    while (!message.empty()) {
        const ssize_t written = ::write(STDERR_FILENO, message.data(), message.size());
        if (written <= 0)
            return;
        message.remove_prefix(static_cast<std::size_t>(written));
    }
}

bool OnUiThread()
{
    const auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    return app && QThread::currentThread() == app->thread();
}

void ShowErrorBox(const Text& description)
{
    const QString message = QString::fromUtf8("运行时错误，程序已停止运行：\n\n")
        + QString::fromStdU16String(GbkToUtf16(description));
    QMessageBox box(
        QMessageBox::Critical, QCoreApplication::applicationName(), message, QMessageBox::Ok);
    if (const auto& hook = BoxHook()) {
        QTimer::singleShot(0, &box, [&box, &hook] {
            hook(box);
            box.done(QMessageBox::Ok);
        });
    }
    box.exec();
}

} // namespace

void FatalRuntimeError(const Text& description)
{
    if (g_stopping.exchange(true)) {
        // A second fault on the way out (memory still short inside the box, or another thread):
        // nothing more can be shown.
        WriteError("kinovra: run-time error while stopping\n");
        std::_Exit(-1);
    }
    if (!OnUiThread()) {
        // No box can be shown off the UI thread, and the libraries may be in use right here.
        WriteError("kinovra: run-time error: ");
        WriteError(GbkToUtf8(description));
        WriteError("\n");
        std::_Exit(-1);
    }
    ShowErrorBox(description);
    DiscardExitRoutines();
    EndProcessLibraries();
    std::fflush(nullptr);
    std::_Exit(-1);
}

void AllocationFailed(std::size_t bytes)
{
    FatalRuntimeError(Gbk("内存不足，无法分配 " + std::to_string(bytes) + " 字节。"));
}

void SetFatalErrorBoxHookForTesting(std::function<void(QMessageBox&)> hook)
{
    BoxHook() = std::move(hook);
}

} // namespace kinovra
