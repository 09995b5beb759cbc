#pragma once

#include "app/main_window.h"

namespace kinovra {

// Makes the process-wide objects: a new, empty g_regex; the HTTP request object is made later,
// by the first request.
void InitGlobals();

// The only exit routine: destroys g_regex, then frees the request slots and releases the HTTP
// request object.
void ReleaseGlobals();

// The program between the start of its libraries and the shutdown: the globals, MainWindow and
// its message loop until the user closes the window. Returns 0.
int ProgramMain();

// ProgramMain with the handlers that the page button and clicks in the list run.
int ProgramMain(MainWindow::Handler pageButtonClicked, MainWindow::Handler listClicked);

} // namespace kinovra
