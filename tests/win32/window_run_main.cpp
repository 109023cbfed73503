// SPDX-License-Identifier: GPL-3.0-or-later
// A route through the Windows window, in a process of its own, for the print queue tests on
// Linux: they start it under Wine with CUPS_SERVER naming their private scheduler, so that the
// default printer is that scheduler's queue. It clicks Command1, types the replies, one a line in
// the file named by BRANNOCK_RUN_REPLIES, into the real boxes, presses the button of every
// message box, and writes what it saw as JSON to the file named by BRANNOCK_RUN_RESULT, as the
// Linux window run does:
//   {"prompts": <number of prompt boxes answered>, "messages": [<message box texts>]}

#include "box_answerer.h"

#include "mainwindow.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

// A file named in the environment; a Unix path from the Linux side is on Wine's drive Z:.
std::wstring fileNamed(const char *variable)
{
    const char *path = std::getenv(variable);
    if (!path)
        return {};
    return platform::win32::toUtf16(path[0] == '/' ? std::string("Z:") + path : path);
}

std::string jsonString(const std::string &text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            quoted += {'\\', c};
        else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            quoted += escaped;
        } else
            quoted += c;
    }
    return quoted + '"';
}

TEST(WindowRun, AnswersEveryPromptOfTheRouteAndEnds)
{
    std::ifstream repliesFile(std::filesystem::path(fileNamed("BRANNOCK_RUN_REPLIES")));
    ASSERT_TRUE(repliesFile.is_open()) << "no replies in BRANNOCK_RUN_REPLIES";
    std::vector<std::string> replies;
    for (std::string line; std::getline(repliesFile, line);)
        replies.push_back(line);
    const std::wstring resultPath = fileNamed("BRANNOCK_RUN_RESULT");
    ASSERT_FALSE(resultPath.empty());

    ui::MainWindow window(GetModuleHandleW(nullptr));
    ShowWindow(window.handle(), SW_SHOWNORMAL);
    BoxAnswerer answerer(window.handle(), replies);
    SendMessageW(window.control("Command1"), BM_CLICK, 0, 0);
    EXPECT_TRUE(answerer.answeredAll());
    EXPECT_TRUE(IsWindowEnabled(window.handle())) << "a box is still open";

    std::string json
            = "{\"prompts\": " + std::to_string(answerer.asked.size()) + ", \"messages\": [";
    for (std::size_t i = 0; i < answerer.messages.size(); ++i)
        json += (i ? ", " : "") + jsonString(answerer.messages[i]);
    json += "]}\n";
    std::ofstream(std::filesystem::path(resultPath), std::ios::binary) << json;
}

} // namespace
