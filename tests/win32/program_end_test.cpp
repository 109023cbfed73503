// SPDX-License-Identifier: GPL-3.0-or-later
// The real brannock.exe in a child process: each way of ending it ends it at once with status 0.

#include "row_name.h"
#include "win32_program.h"

#include "mainwindow.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// The process's visible top-level window of that class, waiting up to ten seconds for it.
HWND windowOf(DWORD process, const wchar_t *className)
{
    struct Wanted
    {
        DWORD process;
        const wchar_t *className;
        HWND window = nullptr;
    } wanted{process, className};
    const auto match = [](HWND window, LPARAM context) -> BOOL {
        auto &sought = *reinterpret_cast<Wanted *>(context);
        DWORD owner = 0;
        wchar_t name[32] = {};
        GetWindowThreadProcessId(window, &owner);
        GetClassNameW(window, name, 32);
        if (owner == sought.process && IsWindowVisible(window)
            && std::wstring_view(name) == sought.className)
            sought.window = window;
        return TRUE;
    };
    for (int tries = 0; tries < 1000 && !wanted.window; ++tries, Sleep(10))
        EnumWindows(match, reinterpret_cast<LPARAM>(&wanted));
    return wanted.window;
}

void click(HWND window, const char *button)
{
    PostMessageW(GetDlgItem(window, ui::MainWindow::controlId(button)), BM_CLICK, 0, 0);
}

struct Ending
{
    const char *name;
    void (*end)(HWND window, DWORD process);
};

const Ending kEndings[] = {
        {"Command2",
         [](HWND window, DWORD) {
             click(window, "Command2");
         }},
        {"CloseBox",
         [](HWND window, DWORD) {
             PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
         }},
        {"SessionEndWhileAPromptIsOpen",
         [](HWND window, DWORD process) {
             click(window, "Command1");
             ASSERT_NE(windowOf(process, L"#32770"), nullptr) << "no prompt box came up";
             DWORD_PTR answer = 0;
             SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer);
             EXPECT_EQ(answer, TRUE);
             SendMessageTimeoutW(window, WM_ENDSESSION, TRUE, 0, SMTO_ABORTIFHUNG, 5000, &answer);
         }},
};

class ProgramEnd : public testing::TestWithParam<Ending>
{};

TEST_P(ProgramEnd, EndsTheProgramAtOnceWithStatusZero)
{
    // brannock.exe is built beside this program.
    PROCESS_INFORMATION child{};
    ASSERT_TRUE(kit::startBeside(L"brannock.exe", child));
    HWND window = windowOf(child.dwProcessId, L"Brannock");
    EXPECT_NE(window, nullptr) << "the window never came up";
    if (window)
        GetParam().end(window, child.dwProcessId);
    EXPECT_EQ(WaitForSingleObject(child.hProcess, 10000), WAIT_OBJECT_0) << "it did not end";
    TerminateProcess(child.hProcess, 1); // fails on a process that has ended
    DWORD status = 1;
    GetExitCodeProcess(child.hProcess, &status);
    EXPECT_EQ(status, 0u);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
}

INSTANTIATE_TEST_SUITE_P(Brannock, ProgramEnd, testing::ValuesIn(kEndings), RowName());

} // namespace
