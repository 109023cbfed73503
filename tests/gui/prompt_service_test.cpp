// SPDX-License-Identifier: GPL-3.0-or-later
// The prompt box hands back the line exactly as typed, and empty text for Cancel or a box
// closed by its frame; the message box has one button.

#include "prompt_answerer.h"
#include "row_name.h"

#include "mainwindow.h"
#include "qt_prompt_service.h"

#include <QInputDialog>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>

namespace {

// A line typed into the box and how the box is closed (prompt_answerer.h: a box dismissed
// holds "12"), and what the prompt service hands back.
struct Typed
{
    const char *name;
    const char *typed; // UTF-8
    Act close;
    const char *returned; // UTF-8
};

// Runs `work` while a zero-interval timer answers the box the way `answer` says.
template<typename Work>
void whileAnswering(const std::function<void(QWidget *)> &answer, Work work)
{
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible())
            answer(modal);
    });
    poll.start(0);
    work();
}

class PromptBox : public ::testing::TestWithParam<Typed>
{};

TEST_P(PromptBox, ReturnsTheLineAsTypedOrEmptyWhenNotConfirmed)
{
    const Typed &typed = GetParam();
    QWidget window;
    window.show();
    platform::qt::QtPromptService prompts(&window);
    const QString label = QStringLiteral("请输入高差 DH  :");
    PromptAnswerer answerer(
            std::vector<Reply>{{label, typed.close, QString::fromUtf8(typed.typed)}});
    bool wrapped = false;
    answerer.onPrompt = [&](int, QInputDialog *dialog) {
        for (QLabel *child : dialog->findChildren<QLabel *>())
            wrapped = wrapped || child->wordWrap();
    };
    EXPECT_EQ(prompts.inputBox(label.toStdString()), std::string(typed.returned));
    EXPECT_TRUE(answerer.answeredAll());
    EXPECT_TRUE(wrapped);
}

const Typed replies[] = {
        {"DigitsWithEnter", "10.5", Act::Type, "10.5"},
        {"BlanksOnlyKept", "   ", Act::Type, "   "},
        {"BlanksAroundKept", " 0.31 ", Act::Type, " 0.31 "},
        {"FullWidthDigitsNotConverted", "１２．５", Act::Type, "１２．５"},
        {"ChineseName", "水准点甲", Act::Type, "水准点甲"},
        {"EmptyLineWithEnter", "", Act::Type, ""},
        {"CancelButtonGivesEmpty", "", Act::Cancel, ""},
        {"EscapeGivesEmpty", "", Act::Escape, ""},
        {"FrameCloseGivesEmpty", "", Act::Frame, ""},
};

INSTANTIATE_TEST_SUITE_P(Replies, PromptBox, ::testing::ValuesIn(replies), RowName());

TEST(MessageBox, ShowsTheTextUnderTheProgramsTitleWithOneButton)
{
    QWidget window;
    window.show();
    platform::qt::QtPromptService prompts(&window);
    QString title;
    QString text;
    QStringList buttons;
    whileAnswering(
            [&](QWidget *modal) {
                auto *box = qobject_cast<QMessageBox *>(modal);
                ASSERT_NE(box, nullptr);
                title = box->windowTitle();
                text = box->text();
                for (QAbstractButton *button : box->buttons())
                    buttons << button->text();
                QTest::keyClick(box, Qt::Key_Return);
            },
            [&] { prompts.showMessage("打印失败，报告已保存为 PDF 文件：\n/tmp/报告.pdf"); });
    EXPECT_EQ(title, QStringLiteral("Brannock"));
    EXPECT_EQ(text, QStringLiteral("打印失败，报告已保存为 PDF 文件：\n/tmp/报告.pdf"));
    EXPECT_EQ(buttons, QStringList{QStringLiteral("确定")});
}

} // namespace

// Told to quit while a run waits on a prompt (the session ends, say), the application must get
// out of the run: every box then returns at once unanswered, and asking again would never end.
TEST(ProgramEnding, APromptOpenWhenTheApplicationQuitsEndsTheRun)
{
    // A hang here would never return to the event loop; a watchdog turns it into a failure.
    std::atomic<bool> done = false;
    std::thread watchdog([&done] {
        for (int i = 0; i < 200 && !done; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        if (!done) {
            std::fprintf(stderr, "the run did not end after the application was told to quit\n");
            std::_Exit(1);
        }
    });

    ui::MainWindow window;
    window.show();
    bool runReturned = false;
    QTimer quitAtFirstPrompt;
    QObject::connect(&quitAtFirstPrompt, &QTimer::timeout, &quitAtFirstPrompt, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (qobject_cast<QInputDialog *>(modal) && modal->isVisible()) {
            quitAtFirstPrompt.stop();
            QCoreApplication::exit(0);
        }
    });
    quitAtFirstPrompt.start(0);
    QTimer::singleShot(0, &window, [&] {
        window.Command1_Click();
        runReturned = true;
    });
    const int status = QCoreApplication::exec();
    done = true;
    watchdog.join();
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(runReturned);
}
