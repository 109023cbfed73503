// SPDX-License-Identifier: GPL-3.0-or-later
// Whole runs through the window: the real prompt boxes answered by typing, each one modal over
// the window, the fields, and the report saved as a PDF since the tests have no printer. They run
// offscreen and again under a headless Wayland compositor (run_under_weston.sh).

#include "pdf_text.h"
#include "prompt_answerer.h"
#include "routes.h"
#include "shown_window.h"

#include "texts.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

using kit::q;
namespace texts = adjustment::texts;

const QStringList exampleReplies = q(kit::exampleRoute().replies);

class RunThroughTheWindow : public kit::ShownWindow<>
{
protected:
    // The path of the PDF that the run's one message says the report was saved as.
    static QString savedPdf(const QStringList &messages)
    {
        if (messages.size() != 1) {
            ADD_FAILURE() << messages.size() << " messages";
            return {};
        }
        const QStringList lines = messages.first().split(QLatin1Char('\n'));
        EXPECT_EQ(lines.size(), 2);
        EXPECT_EQ(lines.first(), q(texts::SavedNoPrinter));
        return lines.last();
    }
};

TEST_F(RunThroughTheWindow, WalksTheExampleFillsTheFieldsAndSavesTheReport)
{
    PromptAnswerer answerer(exampleReplies, &window);
    answerer.onPrompt = [this](int index, QInputDialog *dialog) {
        if (index == 0) {
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Brannock"));
            EXPECT_TRUE(dialog->isModal());
            EXPECT_TRUE(dialog->textValue().isEmpty());
            QStringList buttons;
            for (QAbstractButton *button : dialog->findChild<QDialogButtonBox *>()->buttons())
                buttons << button->text();
            buttons.sort();
            EXPECT_EQ(buttons, QStringList({QStringLiteral("取消"), QStringLiteral("确定")}));
        }
        // While a confirmation is open the value it asks about is in its field.
        if (index == 2) {
            EXPECT_EQ(field(1)->text(), QStringLiteral(" 10"));
        } else if (index == 4) {
            EXPECT_EQ(field(1)->text(), QStringLiteral(" 10.000"));
        } else if (index == 17) {
            EXPECT_EQ(field(4)->text(), QStringLiteral(" 0.31"));
        }
    };
    clickCommand1();

    ASSERT_EQ(answerer.asked.size(), exampleReplies.size());
    EXPECT_EQ(answerer.asked.first(), q(texts::P1));
    EXPECT_EQ(answerer.asked.last(), q(texts::StepPrompt));
    EXPECT_EQ(fields(), q(kit::exampleFields()));

    const QString pdf = savedPdf(answerer.messages);
    EXPECT_TRUE(QFileInfo::exists(pdf));
    kit::expectSavedExample(pdf, QDir::home().filePath(QStringLiteral("Documents")));
}

TEST_F(RunThroughTheWindow, ASecondClickStartsANewRunOverTheFirstRunsFields)
{
    {
        PromptAnswerer first(exampleReplies, &window);
        clickCommand1();
        ASSERT_EQ(first.asked.size(), exampleReplies.size());
    }
    const QStringList afterFirstRun = fields();

    // The second run is abandoned at its first prompt: an empty count, then zero.
    PromptAnswerer second(QStringList{QString(), QStringLiteral("0")}, &window);
    second.onPrompt = [&](int index, QInputDialog *) {
        if (index == 0) {
            EXPECT_EQ(fields(), afterFirstRun);
        }
    };
    clickCommand1();
    EXPECT_EQ(second.asked.size(), 2);
    EXPECT_TRUE(second.messages.isEmpty());
    EXPECT_EQ(fields(), afterFirstRun);
}

TEST_F(RunThroughTheWindow, WalksTheLongRouteAndSavesAReportOfSeveralPages)
{
    const kit::Route route = kit::longRoute();
    const QStringList replies = q(route.replies);
    PromptAnswerer answerer(replies, &window);
    clickCommand1();

    EXPECT_EQ(answerer.asked.size(), replies.size());
    int pages = 0;
    EXPECT_EQ(pdfTextLines(savedPdf(answerer.messages), &pages), blanksFolded(route.report));
    EXPECT_GT(pages, 1);
}

} // namespace
