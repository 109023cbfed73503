// SPDX-License-Identifier: GPL-3.0-or-later
// The answerer every window test uses: a modal box it does not expect fails the test that meets
// it, by name, and is closed at once, so the test goes on instead of waiting for its time-out.

#include "prompt_answerer.h"
#include "row_name.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <memory>

namespace {

struct UnexpectedBox
{
    const char *name;
    std::unique_ptr<QDialog> (*make)();
};

const UnexpectedBox boxes[] = {
        {"MessageBox",
         [] {
             auto box = std::make_unique<QMessageBox>();
             box->setText(QStringLiteral("意外的消息"));
             return std::unique_ptr<QDialog>(std::move(box));
         }},
        {"PlainDialog",
         [] {
             auto dialog = std::make_unique<QDialog>();
             new QLabel(QStringLiteral("意外的消息"), dialog.get());
             return dialog;
         }},
};

class PromptAnswererMeeting : public ::testing::TestWithParam<UnexpectedBox>
{};

TEST_P(PromptAnswererMeeting, AnUnexpectedBoxFailsByNameAndClosesItWithinASecond)
{
    PromptAnswerer answerer(QStringList{});
    answerer.messagesAllowed = 0;
    const std::unique_ptr<QDialog> box = GetParam().make();
    ::testing::TestPartResultArray failures;
    QElapsedTimer clock;
    clock.start();
    {
        const ::testing::ScopedFakeTestPartResultReporter reporter(
                ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD,
                &failures);
        box->exec();
    }
    EXPECT_LT(clock.elapsed(), 1000);
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures.GetTestPartResult(0).nonfatally_failed());
    EXPECT_NE(std::string(failures.GetTestPartResult(0).message()).find("意外的消息"),
              std::string::npos)
            << failures.GetTestPartResult(0).message();
    EXPECT_FALSE(box->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Boxes, PromptAnswererMeeting, ::testing::ValuesIn(boxes), RowName());

} // namespace
