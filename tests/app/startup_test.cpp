#include "app/allocation.h"
#include "app/exit_routines.h"
#include "app/fatal_error.h"
#include "app/http_wait.h"
#include "app/program.h"
#include "regex/regex_matcher.h"

#include <QApplication>
#include <QCursor>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>

namespace kinovra {
namespace {

std::string g_ran;

TEST(ExitRoutines, RunOnceEachInOrderOfRegistrationThenAreForgotten)
{
    DiscardExitRoutines();
    g_ran.clear();
    RegisterExitRoutine(+[] { g_ran += 'a'; });
    RegisterExitRoutine(+[] { g_ran += 'b'; });
    RegisterExitRoutine(ReleaseGlobals);
    RegisterExitRoutine(ReleaseGlobals);
    InitGlobals();
    ASSERT_NE(g_regex, nullptr);

    RunExitRoutines();
    EXPECT_EQ(g_ran, "ab");
    EXPECT_EQ(g_regex, nullptr);

    InitGlobals();
    RunExitRoutines();
    EXPECT_NE(g_regex, nullptr) << "ReleaseGlobals ran a second time";
    g_regex.reset();

    RegisterExitRoutine(+[] { g_ran += 'c'; });
    DiscardExitRoutines();
    RunExitRoutines();
    EXPECT_EQ(g_ran, "ab");
}

MainWindow* ShownMainWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = dynamic_cast<MainWindow*>(widget); window && window->isVisible())
            return window;
    }
    return nullptr;
}

// The user closes the window while the page button's handler is still processing events.
TEST(ProgramMain, ClosingTheWindowInsideAHandlerEndsItQuietly)
{
    DiscardExitRoutines();
    int handlerRuns = 0;
    int roundsAfterClose = 0;
    bool regexDuringRun = false;
    auto handler = [&](WindowControls& controls) {
        ++handlerRuns;
        regexDuringRun = g_regex != nullptr;
        auto& window = dynamic_cast<MainWindow&>(controls);
        QMetaObject::invokeMethod(
            &window, [&window] { window.close(); }, Qt::QueuedConnection);
        while (controls.ProcessPendingEvents())
            ++roundsAfterClose;
        EXPECT_FALSE(controls.ProcessPendingEvents());
        EXPECT_EQ(controls.InsertRow(), -1);
        controls.SetCellText(0, 2, Text("late"));
        EXPECT_EQ(controls.CellText(0, 2), Text());
        EXPECT_EQ(controls.AddComboItem(ComboBoxId::组合框2, Text("9")), -1);
        EXPECT_EQ(controls.ComboItemCount(ComboBoxId::组合框1), 0);
        controls.SetEditText(Text("late"));
        EXPECT_EQ(controls.EditText(), Text());
        EXPECT_EQ(controls.SelectedRow(), -1);
    };
    SetFatalErrorBoxHookForTesting(
        [](QMessageBox& box) { ADD_FAILURE() << "error box: " << box.text().toStdString(); });
    QMetaObject::invokeMethod(
        qApp,
        [&handlerRuns] {
            MainWindow* window = ShownMainWindow();
            ASSERT_NE(window, nullptr);
            QPushButton* button = window->findChild<QPushButton*>(QString::fromUtf8("按钮5"));
            QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                button->mapTo(window, button->rect().center()));
            if (handlerRuns == 0)
                window->close();
        },
        Qt::QueuedConnection);

    EXPECT_EQ(ProgramMain(handler, nullptr), 0);
    EXPECT_EQ(handlerRuns, 1);
    EXPECT_EQ(roundsAfterClose, 0);
    EXPECT_TRUE(regexDuringRun);
    RunExitRoutines();
    EXPECT_EQ(g_regex, nullptr);
    SetFatalErrorBoxHookForTesting(nullptr);
}

TEST(UiWaitHooks, BusyCursorWhileWaitingIsRestoredWhenDone)
{
    const HttpWaitHooks hooks = UiWaitHooks();
    hooks.done();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    hooks.whileWaiting();
    hooks.whileWaiting();
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor);
    hooks.done();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

void PrintBoxText(QMessageBox& box)
{
    std::fprintf(stderr, "box: %s\n", box.text().toUtf8().constData());
}

// Run in a child process: a fatal stop ends the process. An exit routine that ran would end it
// with code 3 instead.
TEST(FatalRuntimeErrorDeathTest, BoxThenExitCodeMinusOneWithoutExitRoutines)
{
    EXPECT_EXIT(
        {
            RegisterExitRoutine(+[] { std::_Exit(3); });
            SetFatalErrorBoxHookForTesting(PrintBoxText);
            FatalRuntimeError(Text("the disk is on fire"));
        },
        testing::ExitedWithCode(255), "box: .*the disk is on fire");
}

TEST(FatalRuntimeErrorDeathTest, FailedAllocationStopsWithTheByteCount)
{
    if (!kAllocationFailuresAreFatal)
        GTEST_SKIP() << "sanitizer builds keep the sanitizer's allocation functions";
    volatile std::size_t bytes = std::size_t{ 1 } << 62;
    EXPECT_EXIT(
        {
            RegisterExitRoutine(+[] { std::_Exit(3); });
            SetFatalErrorBoxHookForTesting(PrintBoxText);
            char* memory = new char[bytes];
            std::fprintf(stderr, "handed back %p\n", static_cast<void*>(memory));
        },
        testing::ExitedWithCode(255), "box: .*4611686018427387904");
    EXPECT_EXIT(
        {
            SetFatalErrorBoxHookForTesting(PrintBoxText);
            char* memory = new (std::nothrow) char[bytes];
            std::fprintf(stderr, "handed back %p\n", static_cast<void*>(memory));
        },
        testing::ExitedWithCode(255), "box: .*4611686018427387904");
}

} // namespace
} // namespace kinovra
