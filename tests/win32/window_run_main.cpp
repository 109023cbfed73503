// SPDX-License-Identifier: GPL-3.0-or-later
// A route through the Windows window, in a process of its own, for the print queue tests on
// Linux: they start it under Wine with CUPS_SERVER naming their private scheduler, so that the
// default printer is that scheduler's queue. As the Linux window run does, it clicks Command1,
// types the replies of the route BRANNOCK_RUN_ROUTE names (kit::namedRoute) into the real
// boxes, presses the button of every message box, and writes what it saw to the file named by
// BRANNOCK_RUN_RESULT (kit::writeWindowRunResult).

#include "box_answerer.h"
#include "routes.h"
#include "window_run_result.h"

#include "mainwindow.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// A file named in the environment; a Unix path from the Linux side is on Wine's drive Z:.
std::wstring fileNamed(const char *variable)
{
    const char *path = std::getenv(variable);
    if (!path)
        return {};
    return platform::win32::toUtf16(path[0] == '/' ? std::string("Z:") + path : path);
}

TEST(WindowRun, AnswersEveryPromptOfTheRouteAndEnds)
{
    const char *routeName = std::getenv("BRANNOCK_RUN_ROUTE");
    const kit::Route *route = kit::namedRoute(routeName ? routeName : "");
    ASSERT_NE(route, nullptr) << "no route named in BRANNOCK_RUN_ROUTE";
    const std::wstring resultPath = fileNamed("BRANNOCK_RUN_RESULT");
    ASSERT_FALSE(resultPath.empty());

    ui::MainWindow window(GetModuleHandleW(nullptr));
    ShowWindow(window.handle(), SW_SHOWNORMAL);
    BoxAnswerer answerer(window.handle(), route->replies);
    SendMessageW(window.control("Command1"), BM_CLICK, 0, 0);
    EXPECT_TRUE(answerer.answeredAll());
    EXPECT_TRUE(IsWindowEnabled(window.handle())) << "a box is still open";

    ASSERT_TRUE(kit::writeWindowRunResult(std::filesystem::path(resultPath), answerer.asked.size(),
                                          answerer.messages));
}

} // namespace
