// SPDX-License-Identifier: GPL-3.0-or-later
// One run through the window, in a process of its own so that the print system it talks to is
// the one CUPS_SERVER names in its fresh environment (Qt's print support asks CUPS once and keeps
// what it learnt). The print queue tests start it; it clicks Command1, types the replies of the
// route BRANNOCK_RUN_ROUTE names (kit::namedRoute) into the real prompt boxes, presses the
// button of every message box, and writes what it saw to the file named by BRANNOCK_RUN_RESULT
// (kit::writeWindowRunResult). The exit status is 0 when every prompt was expected.

#include "pdf_text.h"
#include "prompt_answerer.h"
#include "routes.h"
#include "shown_window.h"
#include "window_run_result.h"

#include <QApplication>
#include <QFile>

#include <gtest/gtest.h>

namespace {

using WindowRun = kit::ShownWindow<>;

TEST_F(WindowRun, AnswersEveryPromptOfTheRouteAndEnds)
{
    const kit::Route *route = kit::namedRoute(qgetenv("BRANNOCK_RUN_ROUTE").toStdString());
    const QString resultPath = qEnvironmentVariable("BRANNOCK_RUN_RESULT");
    ASSERT_FALSE(resultPath.isEmpty());
    ASSERT_NE(route, nullptr) << qgetenv("BRANNOCK_RUN_ROUTE").toStdString();
    const QStringList replies = kit::q(route->replies);

    std::vector<std::string> messages;
    int prompts = 0;
    {
        PromptAnswerer answerer(replies);
        clickCommand1();
        prompts = int(answerer.asked.size());
        for (const QString &message : answerer.messages)
            messages.push_back(message.toStdString());
    }
    EXPECT_EQ(prompts, replies.size());
    // The run has returned to the window, which still takes a click.
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    ASSERT_TRUE(kit::writeWindowRunResult(QFile::encodeName(resultPath).toStdString(),
                                          std::size_t(prompts), messages));
}

} // namespace
