// SPDX-License-Identifier: GPL-3.0-or-later
// One run through the window, in a process of its own so that the print system it talks to is
// the one CUPS_SERVER names in its fresh environment (Qt's print support asks CUPS once and keeps
// what it learnt). The print queue tests start it; it clicks Command1, types the route's replies
// into the real prompt boxes, presses the button of every message box, and writes what it saw
// as JSON to the file named by BRANNOCK_RUN_RESULT:
//   {"prompts": <number of prompt boxes answered>, "messages": [<message box texts>]}
// BRANNOCK_RUN_ROUTE is "example" or "long". The exit status is 0 when every prompt was expected.

#include "routes.h"

#include "fonts.h"
#include "mainwindow.h"
#include "prompt_answerer.h"

#include <QApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(WindowRun, AnswersEveryPromptOfTheRouteAndEnds)
{
    const QString route = qEnvironmentVariable("BRANNOCK_RUN_ROUTE");
    const QString resultPath = qEnvironmentVariable("BRANNOCK_RUN_RESULT");
    ASSERT_FALSE(resultPath.isEmpty());
    ASSERT_TRUE(route == QStringLiteral("example") || route == QStringLiteral("long"))
            << route.toStdString();
    const QStringList replies = route == QStringLiteral("example") ? routes::exampleReplies()
                                                                   : routes::longRouteReplies();

    ui::MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QStringList messages;
    int prompts = 0;
    {
        PromptAnswerer answerer(replies);
        QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        prompts = int(answerer.asked.size());
        messages = answerer.messages;
    }
    EXPECT_EQ(prompts, replies.size());
    // The run has returned to the window, which still takes a click.
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    QFile result(resultPath);
    ASSERT_TRUE(result.open(QIODevice::WriteOnly));
    result.write(QJsonDocument(QJsonObject{{QStringLiteral("prompts"), prompts},
                                           {QStringLiteral("messages"),
                                            QJsonArray::fromStringList(messages)}})
                         .toJson());
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setFont(platform::qt::fontFor(QStringLiteral("Microsoft Sans Serif"), 12, false));
    return RUN_ALL_TESTS();
}
