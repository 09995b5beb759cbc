#include "app/program.h"

#include "app/exit_routines.h"
#include "app/http_wait.h"
#include "catalog/list_page.h"
#include "catalog/title_details.h"
#include "net/http.h"
#include "regex/regex_matcher.h"

#include <QApplication>

#include <memory>

namespace kinovra {

void InitGlobals()
{
    g_regex = std::make_unique<RegexMatcher>();
}

void ReleaseGlobals()
{
    g_regex.reset();
    ReleaseHttpGlobals();
}

int ProgramMain()
{
    return ProgramMain([](WindowControls& controls) { LoadListPage(controls); },
        [](WindowControls& controls) { ShowTitleDetails(controls); });
}

int ProgramMain(MainWindow::Handler pageButtonClicked, MainWindow::Handler listClicked)
{
    InitGlobals();
    RegisterExitRoutine(ReleaseGlobals);
    SetHttpWaitHooks(UiWaitHooks());

    MainWindow window(std::move(pageButtonClicked), std::move(listClicked));
    window.Load();
    QApplication::exec();
    return 0;
}

} // namespace kinovra
