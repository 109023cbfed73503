// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile replies typed into the real prompt boxes: junk, empty lines, Cancel, Escape, a box
// closed by its frame, full-width forms, 100,000-character strings and zero at every
// confirmation. Each run must either complete with the right fields and report or be abandoned
// on request, and leave the window alive and answering.

#include "pdf_text.h"
#include "prompt_answerer.h"
#include "routes.h"
#include "row_name.h"
#include "shown_window.h"

#include "texts.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <string_view>
#include <vector>

namespace {

using kit::q;
namespace texts = adjustment::texts;

// A prompt asked again: the problem on its own line above the prompt as first asked.
QString again(std::string_view problem, const QString &prompt)
{
    return q(problem) + QLatin1Char('\n') + prompt;
}

const QString P1 = q(texts::P1);
const QString P2 = q(texts::P2);
const QString P3 = q(texts::P3);
const QString P4 = q(texts::P4);
const QString P5 = q(texts::P5);
const QString P6 = q(texts::P6);
const QString Name1 = q(texts::pointNamePrompt(1));
const QString Distance1 = q(texts::segmentDistancePrompt(1));
const QString Distance2 = q(texts::segmentDistancePrompt(2));
const QString Abandon = q(texts::AbandonQuestion);
const QString Step = q(texts::StepPrompt);
const QString Summary1 = q(texts::routeSummary("1"));

constexpr qsizetype hugeLength = 100000;

QString huge(QStringView unit)
{
    return unit.toString().repeated(hugeLength / unit.size() + 1).left(hugeLength);
}

const QString hugeName = huge(u"测量点");

// More characters than a line of the report can show on any paper.
constexpr qsizetype paperWideLine = 1000;

// Every completed run below enters the same route in its own way: points start, P1, closing
// with Ha 10, Hb 10.5, height differences 0.2 and 0.31 and distances 120 and 280 (or 12.5 and
// 27.5), so the closure is 10 mm and P1 comes out at 10.197: the example's report.

// What the fields show before the click: the user may type into them.
const QStringList before = {QStringLiteral("t1"), QStringLiteral("t2"), QStringLiteral("t3"),
                            QStringLiteral("t4"), QStringLiteral("t5"), QStringLiteral("t6"),
                            QStringLiteral("t7"), QStringLiteral("t8"), QStringLiteral("t9")};

enum class End { Completed, Abandoned };

struct Scenario
{
    const char *name;
    std::vector<Reply> replies;
    End end;
    QStringList fields; // Text1 … Text9 afterwards
    QStringList report; // the saved PDF's lines; empty when abandoned
};

// What the user does at a prompt, as the scenarios spell it.
struct User
{
    static Reply type(const QString &prompt, const QString &text)
    {
        return {prompt, Act::Type, text};
    }
    static Reply enter(const QString &prompt) { return {prompt, Act::Type, QString()}; }
    static Reply paste(const QString &prompt, const QString &text)
    {
        return {prompt, Act::Paste, text};
    }
    static Reply cancel(const QString &prompt) { return {prompt, Act::Cancel, QString()}; }
    static Reply escape(const QString &prompt) { return {prompt, Act::Escape, QString()}; }
    static Reply frame(const QString &prompt) { return {prompt, Act::Frame, QString()}; }

    static std::vector<Reply> plainRouteUpToTheLastHeightDifference();
    static std::vector<Scenario> scenarios();
};

// The prompts of the route up to the last height difference, answered plainly.
std::vector<Reply> User::plainRouteUpToTheLastHeightDifference()
{
    return {type(P1, QStringLiteral("1")),          type(P2, QStringLiteral("10")),
            enter(q(texts::ConfirmHa.c1)),          type(P3, QStringLiteral("10.5")),
            enter(q(texts::ConfirmHb.c1)),          type(P4, QStringLiteral("A")),
            type(Name1, QStringLiteral("P1")),      type(Distance1, QStringLiteral("120")),
            enter(q(texts::ConfirmS.c1)),           type(P6, QStringLiteral("0.2")),
            enter(q(texts::ConfirmDH.c1)),          type(P5, QStringLiteral("B")),
            type(Distance2, QStringLiteral("280")), enter(q(texts::ConfirmS.c1))};
}

std::vector<Reply> followedBy(std::vector<Reply> replies, const std::vector<Reply> &more)
{
    replies.insert(replies.end(), more.begin(), more.end());
    return replies;
}

std::vector<Scenario> User::scenarios()
{
    const QString again1 = again(texts::NotANumber, P1);
    return {
            {"JunkEmptyAndDismissedBoxesAreAskedAgain",
             {type(P1, QStringLiteral("abc")),
              type(again1, QStringLiteral("2.5")),
              type(again(texts::BadPointCount, P1), QStringLiteral("-1")),
              type(again(texts::BadPointCount, P1), QStringLiteral("   ")),
              enter(again1),
              enter(Abandon), // goes on: the prompt comes back as first asked
              type(P1, QStringLiteral("1e4")),
              type(again(texts::BadPointCount, P1), QStringLiteral("1")),
              cancel(P2),
              cancel(Abandon),
              escape(P2),
              type(Abandon, QStringLiteral("x")),
              type(P2, QStringLiteral("10")),
              type(q(texts::ConfirmHa.c1), QStringLiteral("abc")), // not zero: accepted
              frame(P3),
              frame(Abandon),
              type(P3, QStringLiteral("10,5")),
              type(again(texts::NotANumber, P3), QStringLiteral("10.5")),
              escape(q(texts::ConfirmHb.c1)), // empty: accepted
              enter(P4),                      // an empty start name is kept
              type(Name1, QStringLiteral("P1")),
              type(Distance1, QStringLiteral("-120")),
              type(again(texts::DistanceNotPositive, Distance1), QStringLiteral("0")),
              type(again(texts::DistanceNotPositive, Distance1), QStringLiteral("inf")),
              type(again(texts::NotANumber, Distance1), QStringLiteral("120")),
              enter(q(texts::ConfirmS.c1)),
              type(P6, QStringLiteral("0.2m")),
              type(again(texts::NotANumber, P6), QStringLiteral("0.2")),
              enter(q(texts::ConfirmDH.c1)),
              type(P5, QStringLiteral("B")),
              type(Distance2, QStringLiteral("2.8e2")),
              cancel(q(texts::ConfirmS.c1)),
              type(P6, QStringLiteral("0.31")),
              frame(q(texts::ConfirmDH.c1)),
              cancel(Step), // any reply steps on
              type(Step, QStringLiteral("0")),
              frame(Step)},
             End::Completed,
             {QStringLiteral(" 10"), QStringLiteral(" 10.5"), QStringLiteral("  400"),
              QStringLiteral(" 0.31"), Summary1, QStringLiteral("  B"), QStringLiteral("10.5"),
              QStringLiteral("10毫米"), QStringLiteral(" P1")},
             blanksFolded(kit::exampleReport("", "P1", "B"))},

            {"FullWidthDigitsAndIdeographicStopsReadAsNumbers",
             {type(P1, QStringLiteral("１")), type(P2, QStringLiteral("１０．０００")),
              enter(q(texts::ConfirmHa.c1)), type(P3, QStringLiteral("１０。５")),
              enter(q(texts::ConfirmHb.c1)), type(P4, QStringLiteral("甲")),
              type(Name1, QStringLiteral("乙")), type(Distance1, QStringLiteral("１２．５")),
              enter(q(texts::ConfirmS.c1)), type(P6, QStringLiteral("０。２")),
              enter(q(texts::ConfirmDH.c1)), type(P5, QStringLiteral("丙")),
              type(Distance2, QStringLiteral("\u3000２７。５")), enter(q(texts::ConfirmS.c1)),
              type(P6, QStringLiteral("＋０．３１\u3000")), enter(q(texts::ConfirmDH.c1)),
              enter(Step), enter(Step), enter(Step)},
             End::Completed,
             // Ha and Hb are echoed as typed; distances and height differences as read.
             {QStringLiteral(" １０．０００"), QStringLiteral(" １０。５"), QStringLiteral("  40"),
              QStringLiteral(" 0.31"), Summary1, QStringLiteral("  丙"), QStringLiteral("10.5"),
              QStringLiteral("10毫米"), QStringLiteral(" 乙")},
             blanksFolded(kit::exampleReport("甲", "乙", "丙"))},

            {"HundredThousandCharacterRepliesAreRefusedAsNumbersAndKeptAsNames",
             {paste(P1, huge(u"x")),
              paste(again1, huge(u"1")), // beyond a double's range
              paste(again1, huge(u"１")),
              type(again1, QStringLiteral("1")),
              paste(P2, QStringLiteral("1") + huge(u"0").mid(1)),
              type(again(texts::NotANumber, P2), QStringLiteral("10")),
              paste(q(texts::ConfirmHa.c1), huge(u"9")), // not zero: accepted
              type(P3, QStringLiteral("10.5")),
              paste(q(texts::ConfirmHb.c1), huge(u"0")), // zero: asked again
              paste(q(texts::ConfirmHb.r), QStringLiteral("10.5") + huge(u"0").mid(4)),
              enter(q(texts::ConfirmHb.c2)),
              type(P4, QStringLiteral("A")),
              paste(Name1, hugeName),
              type(Distance1, QStringLiteral("120")),
              enter(q(texts::ConfirmS.c1)),
              paste(P6, QStringLiteral("0.2") + huge(u"0").mid(3)),
              enter(q(texts::ConfirmDH.c1)),
              type(P5, QStringLiteral("B")),
              type(Distance2, QStringLiteral("280")),
              enter(q(texts::ConfirmS.c1)),
              type(P6, QStringLiteral("0.31")),
              enter(q(texts::ConfirmDH.c1)),
              paste(Step, huge(u"步")),
              enter(Step),
              enter(Step)},
             End::Completed,
             {QStringLiteral(" 10"), QStringLiteral(" 10.5") + huge(u"0").mid(4),
              QStringLiteral("  400"), QStringLiteral(" 0.31"), Summary1, QStringLiteral("  B"),
              QStringLiteral("10.5"), QStringLiteral("10毫米"), QStringLiteral(" ") + hugeName},
             blanksFolded(kit::exampleReport("A", hugeName.toStdString(), "B"))},

            {"ZeroAtEveryConfirmationAsksForTheValueAgain",
             {type(P1, QStringLiteral("1")),
              type(P2, QStringLiteral("9")),
              type(q(texts::ConfirmHa.c1), QStringLiteral("0")),
              type(q(texts::ConfirmHa.r), QStringLiteral("10")),
              type(q(texts::ConfirmHa.c2), QStringLiteral("０")),
              type(q(texts::ConfirmHa.r), QStringLiteral("10.000")),
              enter(q(texts::ConfirmHa.c2)),
              type(P3, QStringLiteral("11")),
              type(q(texts::ConfirmHb.c1), QStringLiteral(" 0.0 ")),
              type(q(texts::ConfirmHb.r), QStringLiteral("10.5")),
              enter(q(texts::ConfirmHb.c2)),
              type(P4, QStringLiteral("A")),
              type(Name1, QStringLiteral("P1")),
              type(Distance1, QStringLiteral("100")),
              type(q(texts::ConfirmS.c1), QStringLiteral("0")),
              type(q(texts::ConfirmS.r), QStringLiteral("0")),
              type(again(texts::DistanceNotPositive, q(texts::ConfirmS.r)), QStringLiteral("120")),
              enter(q(texts::ConfirmS.c2)),
              type(P6, QStringLiteral("2")),
              type(q(texts::ConfirmDH.c1), QStringLiteral("-0")),
              type(q(texts::ConfirmDH.r), QStringLiteral("0.2")),
              type(q(texts::ConfirmDH.c2), QStringLiteral("1")), // not zero: accepted
              type(P5, QStringLiteral("B")),
              type(Distance2, QStringLiteral("208")),
              type(q(texts::ConfirmS.c1), QStringLiteral("0")),
              type(q(texts::ConfirmS.r), QStringLiteral("280")),
              enter(q(texts::ConfirmS.c2)),
              type(P6, QStringLiteral("0.13")),
              type(q(texts::ConfirmDH.c1), QStringLiteral("0")),
              type(q(texts::ConfirmDH.r), QStringLiteral("0.31")),
              enter(q(texts::ConfirmDH.c2)),
              type(Step, QStringLiteral("0")),
              type(Step, QStringLiteral("0")),
              type(Step, QStringLiteral("0"))},
             End::Completed,
             q(kit::exampleFields()),
             blanksFolded(kit::exampleRoute().report)},

            {"ZeroAfterCancelAtTheFirstPromptAbandons",
             {cancel(P1), type(Abandon, QStringLiteral("0"))},
             End::Abandoned,
             before,
             {}},

            {"FullWidthZeroAfterAReentryBoxClosedByItsFrameAbandons",
             {type(P1, QStringLiteral("1")), type(P2, QStringLiteral("10")),
              type(q(texts::ConfirmHa.c1), QStringLiteral("0")), frame(q(texts::ConfirmHa.r)),
              type(Abandon, QStringLiteral("\u3000０\u3000"))},
             End::Abandoned,
             {QStringLiteral(" 10"), before[1], before[2], before[3], Summary1, before[5],
              before[6], before[7], before[8]},
             {}},

            {"ZeroAfterAnEmptyLastHeightDifferenceAbandonsWithoutAReport",
             followedBy(plainRouteUpToTheLastHeightDifference(),
                        {type(P6, QStringLiteral("abc")), enter(again(texts::NotANumber, P6)),
                         type(Abandon, QStringLiteral("0.000"))}),
             End::Abandoned,
             {QStringLiteral(" 10"), QStringLiteral(" 10.5"), QStringLiteral("  280"),
              QStringLiteral(" 0.2"), Summary1, before[5], before[6], before[7],
              QStringLiteral(" P1")},
             {}},
    };
}

// A long text cut to its ends, so a failure stays readable.
std::string shown(const QString &text)
{
    if (text.size() <= 120)
        return text.toStdString();
    return (text.left(60) + QStringLiteral("…[%1 characters]…").arg(text.size()) + text.right(40))
            .toStdString();
}

void expectLines(const QStringList &actual, const QStringList &expected, const char *what)
{
    EXPECT_EQ(actual.size(), expected.size()) << what;
    for (qsizetype i = 0; i < std::min(actual.size(), expected.size()); ++i) {
        EXPECT_TRUE(actual[i] == expected[i]) << what << " " << i + 1 << ": " << shown(actual[i])
                                              << "\n  expected: " << shown(expected[i]);
    }
}

// Counts the window's paint events.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

QStringList savedReports()
{
    return QDir(QDir::home().filePath(QStringLiteral("Documents"))).entryList(QDir::Files);
}

class HostileReplies : public kit::ShownWindow<::testing::TestWithParam<Scenario>>
{
protected:
    void SetUp() override
    {
        ShownWindow::SetUp();
        window.installEventFilter(&paintCounter);
    }

    void checkRun(const Scenario &scenario, const PromptAnswerer &user,
                  const QStringList &savedBefore)
    {
        EXPECT_TRUE(user.answeredAll()) << "never asked: " << shown(user.nextPrompt());
        expectLines(fields(), scenario.fields, "Text");
        if (scenario.end == End::Abandoned) {
            ASSERT_FALSE(user.asked.isEmpty());
            EXPECT_EQ(user.asked.last(), Abandon);
            EXPECT_TRUE(user.messages.isEmpty());
            EXPECT_EQ(savedReports(), savedBefore) << "an abandoned run saved a report";
            return;
        }
        ASSERT_EQ(user.messages.size(), 1);
        const QStringList message = user.messages.first().split(QLatin1Char('\n'));
        ASSERT_EQ(message.size(), 2);
        EXPECT_EQ(message[0], q(texts::SavedNoPrinter));
        EXPECT_FALSE(savedBefore.contains(QFileInfo(message[1]).fileName()));
        int pages = 0;
        const QStringList expected = blanksFolded(scenario.report);
        expectLines(joinedAs(pdfTextLines(message[1], &pages), expected), expected, "report line");
        // Only a line longer than the paper is wide takes the report past one page.
        EXPECT_EQ(pages > 1, std::any_of(expected.begin(), expected.end(), [](const QString &line) {
                      return line.size() > paperWideLine;
                  }));
    }

    // The event loop runs, the window repaints, and a new run starts and can be abandoned.
    void expectResponsive()
    {
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

        // An application told to quit runs no event loop any more.
        bool fired = false;
        QEventLoop loop;
        QTimer::singleShot(0, &loop, [&] {
            fired = true;
            loop.quit();
        });
        QTimer::singleShot(2000, &loop, &QEventLoop::quit);
        loop.exec();
        EXPECT_TRUE(fired) << "an event loop no longer runs a zero timer";

        const int paintsBefore = paintCounter.paints;
        window.update();
        EXPECT_TRUE(QTest::qWaitFor([&] { return paintCounter.paints > paintsBefore; }, 2000))
                << "no repaint";

        const QStringList shownBefore = fields();
        PromptAnswerer next(
                std::vector<Reply>{User::escape(P1), User::type(Abandon, QStringLiteral("0"))});
        clickCommand1();
        EXPECT_TRUE(next.answeredAll()) << "the next run never asked: " << shown(next.nextPrompt());
        EXPECT_TRUE(next.messages.isEmpty());
        EXPECT_TRUE(fields() == shownBefore) << "the next, abandoned run changed the fields";
    }

    PaintCounter paintCounter;
};

TEST_P(HostileReplies, CompleteWithTheRightReportOrAreAbandonedAndTheWindowAnswersAfter)
{
    const Scenario &scenario = GetParam();
    for (int number = 1; number <= 9; ++number)
        field(number)->setText(before[number - 1]);
    const QStringList savedBefore = savedReports();

    {
        PromptAnswerer user(scenario.replies);
        QElapsedTimer clock;
        clock.start();
        clickCommand1();
        const qint64 runMs = clock.elapsed();
        checkRun(scenario, user, savedBefore);
        std::printf("%s: %d prompts answered in %lld ms\n", scenario.name, int(user.asked.size()),
                    static_cast<long long>(runMs));
    }
    expectResponsive();
}

void PrintTo(const Scenario &scenario, std::ostream *out)
{
    *out << scenario.name;
}

INSTANTIATE_TEST_SUITE_P(Hostile, HostileReplies, ::testing::ValuesIn(User::scenarios()),
                         RowName());

} // namespace
