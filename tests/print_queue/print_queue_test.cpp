// SPDX-License-Identifier: GPL-3.0-or-later
// The program's report on a real print queue, and every fault of the printing path: runs go
// through the window in a process of their own (see window_run_main.cpp), with CUPS_SERVER naming
// a private scheduler or nothing, and a temporary home whose documents folder takes the report
// when printing is impossible.

#include "private_cups.h"

#include "pdf_text.h"
#include "program_start.h"
#include "routes.h"
#include "row_name.h"
#include "temporary_home.h"

#include "texts.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

using kit::q;
using kit::TemporaryHome;
using print_queue::PrivateCups;
namespace texts = adjustment::texts;

const QString queueName = QStringLiteral("Brannock_PDF");
constexpr int exampleTimeoutMs = 60000;
constexpr int longRouteTimeoutMs = 240000;
constexpr int jobTimeoutMs = 120000;

// What a run through the window saw.
struct WindowRun
{
    bool ended = false;       // the process ended by itself, with status 0
    int prompts = -1;         // prompt boxes answered
    QStringList messages;     // message box texts, in order
    QString output;           // the process's own output, for a failed check
    bool unavailable = false; // it could not run here (exit status 77: no Wine, say)
};

// Runs the route through the window in a fresh process whose print system is cupsServer.
WindowRun runWindow(const QString &route, const QString &cupsServer, const TemporaryHome &home,
                    int timeoutMs,
                    const QStringList &command = {QStringLiteral(PRINT_QUEUE_WINDOW_RUN)})
{
    WindowRun run;
    QTemporaryDir scratch;
    const QString resultPath = scratch.filePath(QStringLiteral("result.json"));
    QProcessEnvironment environment = home.environment();
    environment.insert(QStringLiteral("BRANNOCK_RUN_ROUTE"), route);
    environment.insert(QStringLiteral("BRANNOCK_RUN_RESULT"), resultPath);
    environment.insert(QStringLiteral("CUPS_SERVER"), cupsServer);
    environment.insert(QStringLiteral("BRANNOCK_WINE_CUPS_SERVER"), cupsServer);
    // Run once only, even when Wine's loader fails at exit: a second run would print again.
    environment.insert(QStringLiteral("BRANNOCK_WINE_RETRIES"), QStringLiteral("0"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    kit::startProgram(process, command, environment);
    const bool finished = kit::endProgram(process, timeoutMs);
    run.output = QString::fromLocal8Bit(process.readAll());
    run.ended = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    run.unavailable
            = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 77;
    QFile result(resultPath);
    if (result.open(QIODevice::ReadOnly)) {
        const QJsonObject seen = QJsonDocument::fromJson(result.readAll()).object();
        run.prompts = seen.value(QStringLiteral("prompts")).toInt(-1);
        for (const QJsonValue &message : seen.value(QStringLiteral("messages")).toArray())
            run.messages << message.toString();
    }
    return run;
}

// The example run's one message, as its lines (two: the second names a file or folder): none unless
// the run ended by itself with one message, and a failure unless it also took the example's 21
// prompts.
QStringList messageLines(const WindowRun &run)
{
    EXPECT_TRUE(run.ended) << run.output.toStdString();
    EXPECT_EQ(run.prompts, 21);
    EXPECT_EQ(run.messages.size(), 1) << run.messages.join(QLatin1Char('|')).toStdString();
    return run.ended && run.messages.size() == 1 ? run.messages.first().split(QLatin1Char('\n'))
                                                 : QStringList();
}

// Starts a private scheduler for the test, or skips the test with the reason.
#define START_PRIVATE_CUPS(cups) \
    auto cups = std::make_unique<PrivateCups>(); \
    if (!cups->unavailableReason().isEmpty()) { \
        GTEST_SKIP() << "no private CUPS scheduler: " << cups->unavailableReason().toStdString(); \
    }

// --- The report on the default queue ---------------------------------------------------------

struct RouteCase
{
    const char *name;
    const char *route;
    int prompts;
    int timeoutMs;
    int minPages;
    int maxPages;
    bool windows = false; // the Windows program under Wine, printing through GDI
};

class PrintedOnTheDefaultQueue : public ::testing::TestWithParam<RouteCase>
{};

TEST_P(PrintedOnTheDefaultQueue, TheJobCompletesAndEveryPageOfTheReportHasInk)
{
    const RouteCase &routeCase = GetParam();
    const QStringList command = routeCase.windows
                                        ? kit::windowsWindowRun()
                                        : QStringList{QStringLiteral(PRINT_QUEUE_WINDOW_RUN)};
    if (command.isEmpty())
        GTEST_SKIP() << "the Windows program is not built: cmake --preset windows, then "
                        "cmake --build --preset windows";
    START_PRIVATE_CUPS(cups);
    QString error;
    ASSERT_TRUE(cups->addDefaultPdfPrinter(queueName, &error)) << error.toStdString();
    TemporaryHome home;
    ASSERT_TRUE(home.isValid());

    const WindowRun run = runWindow(QString::fromLatin1(routeCase.route), cups->server(), home,
                                    routeCase.timeoutMs, command);
    if (run.unavailable)
        GTEST_SKIP() << run.output.toStdString();
    ASSERT_TRUE(run.ended) << run.output.toStdString();
    EXPECT_EQ(run.prompts, routeCase.prompts);
    // Printed: no message, and nothing saved in the documents folder (the Windows program's is
    // in its Wine prefix, which is gone: the message says it).
    EXPECT_EQ(run.messages, QStringList());
    EXPECT_FALSE(QFileInfo::exists(home.documents()));

    ASSERT_TRUE(cups->waitUntilNoJobIsPending(jobTimeoutMs)) << cups->logs().toStdString();
    const QList<int> jobs = cups->jobIds();
    ASSERT_EQ(jobs.size(), 1) << cups->logs().toStdString();
    const int job = jobs.first();
    EXPECT_TRUE(cups->jobCompleted(job)) << cups->logs().toStdString();

    // The report's text, every line in order, on a few pages. It is read from what the program
    // sent, a PDF, on Linux: cups-pdf's copy, made again by Ghostscript, no longer maps its
    // glyphs to text. The Windows program sends PostScript, whose printed copy keeps that map.
    const QStringList submitted = cups->submittedFiles(job);
    ASSERT_EQ(submitted.size(), 1);
    const QString printed = cups->printedFile(job);
    ASSERT_FALSE(printed.isEmpty()) << cups->printedFiles().join(QLatin1Char(' ')).toStdString()
                                    << cups->logs().toStdString();
    int pages = 0;
    EXPECT_EQ(pdfTextLines(routeCase.windows ? printed : submitted.first(), &pages),
              blanksFolded(kit::namedRoute(routeCase.route)->report));
    EXPECT_GE(pages, routeCase.minPages);
    EXPECT_LE(pages, routeCase.maxPages);

    // What cups-pdf printed has the same pages, none of them blank.
    const int printedPages = kit::pdfPageCount(printed);
    EXPECT_EQ(printedPages, pages);
    for (int page = 1; page <= printedPages; ++page)
        EXPECT_GT(kit::inkedPixels(printed, page), 0) << "page " << page;
}

INSTANTIATE_TEST_SUITE_P(
        Routes, PrintedOnTheDefaultQueue,
        ::testing::Values(
                RouteCase{"Example", "example", 21, exampleTimeoutMs, 1, 1},
                // About 160 lines of 10 pt: more than two pages, fewer than six.
                RouteCase{"Route150", "long", 913, longRouteTimeoutMs, 3, 5},
                // A fresh Wine prefix takes up to about 20 s of these times.
                RouteCase{"WindowsExample", "example", 21, 3 * exampleTimeoutMs, 1, 1, true},
                RouteCase{"WindowsRoute150", "long", 913, longRouteTimeoutMs, 3, 5, true}),
        RowName());

// --- No printer --------------------------------------------------------------------------------

struct NoPrinterCase
{
    const char *name;
    bool scheduler;           // a running scheduler with no queue; else nothing listens
    const char *userDirsDocs; // the documents folder named in user-dirs.dirs, below home
};

class NoPrinter : public ::testing::TestWithParam<NoPrinterCase>
{};

TEST_P(NoPrinter, SavesTheReportInTheDocumentsFolderAndSaysSo)
{
    const NoPrinterCase &noPrinter = GetParam();
    std::unique_ptr<PrivateCups> cups;
    if (noPrinter.scheduler) {
        START_PRIVATE_CUPS(started);
        cups = std::move(started);
    }
    TemporaryHome home;
    ASSERT_TRUE(home.isValid());
    QString documents = home.documents();
    if (noPrinter.userDirsDocs) {
        ASSERT_TRUE(home.setDocumentsInUserDirs(QString::fromUtf8(noPrinter.userDirsDocs)));
        documents = home.filePath(QString::fromUtf8(noPrinter.userDirsDocs));
    }

    const WindowRun run
            = runWindow(QStringLiteral("example"), cups ? cups->server() : home.noScheduler(), home,
                        exampleTimeoutMs);
    const QStringList message = messageLines(run);
    ASSERT_EQ(message.size(), 2) << message.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(message[0], q(texts::SavedNoPrinter));
    kit::expectSavedExample(message[1], documents);
    if (cups) {
        EXPECT_EQ(cups->jobIds(), QList<int>());
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, NoPrinter,
                         ::testing::Values(NoPrinterCase{"SchedulerWithoutQueues", true, nullptr},
                                           NoPrinterCase{"NoScheduler", false, nullptr},
                                           // Missing, two levels deep: created.
                                           NoPrinterCase{"DocumentsFolderFromUserDirs", false,
                                                         "报告/水准"}),
                         RowName());

// --- A default queue that refuses the job -----------------------------------------------------

// The last two: the print plugin cannot be loaded, next to a queue that would print.
enum class Refusal { Stopped, Rejecting, DeviceFails, PluginMissing, NotAPlugin };

struct RefusalCase
{
    const char *name;
    Refusal refusal;
};

class RefusingQueue : public ::testing::TestWithParam<RefusalCase>
{};

TEST_P(RefusingQueue, SavesTheReportAndSaysPrintingFailed)
{
    const Refusal refusal = GetParam().refusal;
    START_PRIVATE_CUPS(cups);
    QString error;
    ASSERT_TRUE(refusal == Refusal::DeviceFails ? cups->addDefaultFailingPrinter(queueName, &error)
                                                : cups->addDefaultPdfPrinter(queueName, &error))
            << error.toStdString();
    if (refusal == Refusal::Stopped) {
        ASSERT_TRUE(cups->stopQueue(queueName, &error)) << error.toStdString();
    } else if (refusal == Refusal::Rejecting) {
        ASSERT_TRUE(cups->rejectJobs(queueName, &error)) << error.toStdString();
    }
    TemporaryHome home;
    ASSERT_TRUE(home.isValid());
    // The window program copied to a tree of its own, where the plugin is missing or is a
    // shared library that is no Qt plugin.
    QString program = QStringLiteral(PRINT_QUEUE_WINDOW_RUN);
    if (refusal == Refusal::PluginMissing || refusal == Refusal::NotAPlugin) {
        const QDir bin(home.filePath(QStringLiteral("tree/bin")));
        const QDir plugins(bin.filePath(QStringLiteral(BRANNOCK_MODULE_DIR_FROM_BIN)));
        ASSERT_TRUE(bin.mkpath(plugins.path()));
        program = bin.filePath(QFileInfo(program).fileName());
        ASSERT_TRUE(QFile::copy(QStringLiteral(PRINT_QUEUE_WINDOW_RUN), program));
        if (refusal == Refusal::NotAPlugin) {
            ASSERT_TRUE(QFile::copy(
                    QLibraryInfo::path(QLibraryInfo::LibrariesPath)
                            + QStringLiteral("/libQt6Core.so.6"),
                    plugins.filePath(QStringLiteral(BRANNOCK_PRINT_QUEUE_MODULE_FILE))));
        }
    }

    const WindowRun run = runWindow(QStringLiteral("example"), cups->server(), home,
                                    exampleTimeoutMs, {program});
    const QStringList message = messageLines(run);
    ASSERT_EQ(message.size(), 2) << message.join(QLatin1Char('|')).toStdString()
                                 << "; jobs left waiting: "
                                 << ::testing::PrintToString(
                                            cups->jobIds(QStringLiteral("not-completed")))
                                 << "; saved: " << QFileInfo::exists(home.documents());
    EXPECT_EQ(message[0], q(texts::SavedAfterFailure));
    kit::expectSavedExample(message[1], home.documents());
    // Saved instead of printed, not as well: no job waits to come out when the queue resumes.
    EXPECT_EQ(cups->jobIds(QStringLiteral("not-completed")), QList<int>());
    EXPECT_EQ(cups->printedFiles(), QStringList());
}

INSTANTIATE_TEST_SUITE_P(Cases, RefusingQueue,
                         ::testing::Values(RefusalCase{"Stopped", Refusal::Stopped},
                                           RefusalCase{"Rejecting", Refusal::Rejecting},
                                           RefusalCase{"DeviceFails", Refusal::DeviceFails},
                                           RefusalCase{"PluginMissing", Refusal::PluginMissing},
                                           RefusalCase{"NotAPlugin", Refusal::NotAPlugin}),
                         RowName());

// --- A documents folder that cannot be written ------------------------------------------------

struct UnwritableCase
{
    const char *name;
    const char *blocker;      // a regular file, below home
    const char *userDirsDocs; // the documents folder named in user-dirs.dirs, or the default
};

class UnwritableDocuments : public ::testing::TestWithParam<UnwritableCase>
{};

// Root writes anywhere, so the folder is made impossible rather than forbidden: a regular file
// stands where it, or a folder above it, should be.
TEST_P(UnwritableDocuments, SaysNothingCouldBeSavedAndTheRunEnds)
{
    const UnwritableCase &unwritable = GetParam();
    TemporaryHome home;
    ASSERT_TRUE(home.isValid());
    QFile blocker(home.filePath(QString::fromUtf8(unwritable.blocker)));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    ASSERT_EQ(blocker.write("not a folder"), 12);
    blocker.close();
    QString documents = home.documents();
    if (unwritable.userDirsDocs) {
        ASSERT_TRUE(home.setDocumentsInUserDirs(QString::fromUtf8(unwritable.userDirsDocs)));
        documents = home.filePath(QString::fromUtf8(unwritable.userDirsDocs));
    }

    const WindowRun run
            = runWindow(QStringLiteral("example"), home.noScheduler(), home, exampleTimeoutMs);
    const QStringList message = messageLines(run);
    ASSERT_EQ(message.size(), 2) << message.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(message[0], q(texts::NotSavedNoPrinter));
    EXPECT_EQ(message[1], q(texts::FolderNotWritable) + documents);
    // The file in the way is left as it was.
    ASSERT_TRUE(blocker.open(QIODevice::ReadOnly));
    EXPECT_EQ(blocker.readAll(), QByteArray("not a folder"));
}

INSTANTIATE_TEST_SUITE_P(
        Cases, UnwritableDocuments,
        ::testing::Values(UnwritableCase{"FileWhereTheFolderShouldBe", "Documents", nullptr},
                          UnwritableCase{"FolderBelowAFile", "blocker", "blocker/Documents"}),
        RowName());

// --- A report name already taken ---------------------------------------------------------------

struct TakenCase
{
    const char *name;
    QStringList takenSuffixes; // pre-created for every second of the run
    const char *expectedSuffix;
};

class TakenName : public ::testing::TestWithParam<TakenCase>
{};

TEST_P(TakenName, TakesTheNextFreeSuffixAndOverwritesNothing)
{
    const TakenCase &taken = GetParam();
    TemporaryHome home;
    ASSERT_TRUE(home.isValid());
    ASSERT_TRUE(QDir().mkpath(home.documents()));
    // Every name the report could get while the run lasts, each with contents of its own.
    std::map<QString, QByteArray> existing;
    const QDateTime start = QDateTime::currentDateTime();
    for (int second = 0; second <= exampleTimeoutMs / 1000; ++second) {
        const QString stem = QStringLiteral("Brannock-")
                             + start.addSecs(second).toString(QStringLiteral("yyyyMMdd-HHmmss"));
        for (const QString &suffix : taken.takenSuffixes) {
            const QString name = stem + suffix + QStringLiteral(".pdf");
            QFile file(QDir(home.documents()).filePath(name));
            existing[name] = "an earlier report " + name.toUtf8();
            ASSERT_TRUE(file.open(QIODevice::NewOnly));
            ASSERT_EQ(file.write(existing[name]), existing[name].size());
        }
    }

    const WindowRun run
            = runWindow(QStringLiteral("example"), home.noScheduler(), home, exampleTimeoutMs);
    const QStringList message = messageLines(run);
    ASSERT_EQ(message.size(), 2) << message.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(message[0], q(texts::SavedNoPrinter));
    const QString saved = QFileInfo(message[1]).fileName();
    EXPECT_TRUE(saved.endsWith(QString::fromLatin1(taken.expectedSuffix) + QStringLiteral(".pdf")))
            << saved.toStdString();
    // The suffix follows a name that was taken, and the name itself is new.
    const QString unsuffixed = saved.left(saved.size() - int(qstrlen(taken.expectedSuffix)) - 4)
                               + QStringLiteral(".pdf");
    EXPECT_EQ(existing.count(unsuffixed), 1u) << saved.toStdString();
    EXPECT_EQ(existing.count(saved), 0u) << saved.toStdString();
    kit::expectSavedExample(message[1], home.documents());

    for (const auto &[name, contents] : existing) {
        QFile file(QDir(home.documents()).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        EXPECT_EQ(file.readAll(), contents) << name.toStdString();
    }
    EXPECT_EQ(QDir(home.documents()).entryList(QDir::Files).size(), existing.size() + 1);
}

INSTANTIATE_TEST_SUITE_P(
        Cases, TakenName,
        ::testing::Values(TakenCase{"NameTaken", {QString()}, "-2"},
                          TakenCase{"NameAndSecondTaken", {QString(), QStringLiteral("-2")}, "-3"}),
        RowName());

// --- The ink check itself ------------------------------------------------------------------------

struct PageCase
{
    const char *name;
    const char *postscript; // one page, drawn by Ghostscript
    bool inked;
};

class InkCheck : public ::testing::TestWithParam<PageCase>
{};

// The printed pages are judged by their ink; a check that saw ink on a blank page would pass a
// printer that prints nothing.
TEST_P(InkCheck, TellsABlankPageFromAPrintedOne)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString pdf = folder.filePath(QStringLiteral("page.pdf"));
    QProcess gs;
    gs.start(QStringLiteral("gs"),
             {QStringLiteral("-q"), QStringLiteral("-o"), pdf, QStringLiteral("-sDEVICE=pdfwrite"),
              QStringLiteral("-c"), QString::fromLatin1(GetParam().postscript)});
    ASSERT_TRUE(gs.waitForFinished(30000) && gs.exitCode() == 0)
            << "Ghostscript (a dependency of cups-pdf) is needed: "
            << gs.errorString().toStdString();
    ASSERT_EQ(kit::pdfPageCount(pdf), 1);
    const int inked = kit::inkedPixels(pdf, 1);
    if (GetParam().inked) {
        EXPECT_GT(inked, 0);
    } else {
        EXPECT_EQ(inked, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
        Pages, InkCheck,
        ::testing::Values(PageCase{"Blank", "showpage", false},
                          // A 2 pt wide rule, about as dark as a line of small text.
                          PageCase{"ThinRule",
                                   "2 setlinewidth 72 400 moveto 300 0 rlineto stroke showpage",
                                   true}),
        RowName());

} // namespace
