// SPDX-License-Identifier: GPL-3.0-or-later
// The report on Qt Print Support, saved as a PDF since the tests have no printer: real text,
// page breaks for long routes, lines too long for the paper, names that never overwrite, and the
// outcome when nothing can be written.

#include "pdf_text.h"
#include "routes.h"
#include "row_name.h"
#include "temporary_home.h"

#include "qt_printer_surface.h"
#include "report_document.h"
#include "run.h"
#include "scripted_platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using platform::PrintOutcome;
using Printing = PrintOutcome::Printing;
using Saving = PrintOutcome::Saving;

// The program's printer: the report document on Qt's print queue and files.
struct QtPrinter
{
    platform::qt::QtReportOutput output;
    adjustment::ReportDocument document{output};
};

// Points the documents folder into a temporary home for one test.
class InTemporaryHome : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_home.isValid());
        m_home.makeCurrent();
    }

    QString documents() const { return m_home.documents(); }

    kit::TemporaryHome m_home;
};

// Runs a rising route (routes.h) through the scripted platform and returns the path of the
// report it saved.
QString printRoute(const kit::Lines &names)
{
    platform::ScriptedPlatform scripted(kit::risingRoute(names).replies);
    QtPrinter printer;
    platform::Services services{scripted, scripted, printer.document};

    EXPECT_EQ(adjustment::performRun(services), adjustment::RunEnd::Completed);
    const std::vector<std::string> messages = scripted.logOf("message: ");
    EXPECT_EQ(messages.size(), 1u);
    const std::string message = messages.empty() ? std::string() : messages.back();
    return QString::fromStdString(message.substr(message.find('\n') + 1));
}

using LongRoute = InTemporaryHome;

TEST_F(LongRoute, PrintsEveryPointInOrderOverSeveralPages)
{
    int pages = 0;
    EXPECT_EQ(pdfTextLines(printRoute(kit::risingNames(150)), &pages),
              blanksFolded(kit::longRoute().report));
    EXPECT_GE(pages, 3);
}

// Names too long for a line of the paper: 300 letters for the first point, 200 Han characters for
// the last, and 300 letters for point 65 of 70, whose first line is the last of page 1.
struct LongNameCase
{
    const char *name;
    kit::Lines names;
};

void PrintTo(const LongNameCase &row, std::ostream *out)
{
    *out << row.name;
}

std::string cycled(QStringView alphabet, int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += alphabet[i % alphabet.size()];
    return text.toStdString();
}

class LongName : public InTemporaryHome, public ::testing::WithParamInterface<LongNameCase>
{};

TEST_P(LongName, GoesOnAtItsColumnOnTheNextLinesAndStaysOnThePaper)
{
    // Read from the printable area alone: A4 less the saved report's half-inch margins.
    const QStringList expected = blanksFolded(kit::risingRoute(GetParam().names).report);
    EXPECT_EQ(joinedAs(pdfTextLines(printRoute(GetParam().names), nullptr, {36, 36, 523, 770}),
                       expected),
              expected);
}

INSTANTIATE_TEST_SUITE_P(
        Report, LongName,
        ::testing::Values(
                LongNameCase{"Letters",
                             kit::risingNames(1, 0, cycled(u"abcdefghijklmnopqrstuvwxyz", 300))},
                LongNameCase{"HanCharacters",
                             kit::risingNames(1, 2, cycled(u"水准测量高程闭合差改正", 200))},
                LongNameCase{"AtTheFootOfAPage",
                             kit::risingNames(70, 65, cycled(u"abcdefghijklmnopqrstuvwxyz", 300))}),
        RowName());

using SavedReport = InTemporaryHome;

void printShortReport(platform::PrinterSurface &printer, const std::string &title)
{
    printer.setPosition(2000, 1000);
    printer.setFontName("宋体");
    printer.setFontSize(12);
    printer.printLine(30, {title});
    printer.printEmptyLine();
    printer.setFontSize(10);
    printer.printLine(26, {"水准点", " :", "1.062", " 米"});
}

TEST_F(SavedReport, CreatesTheDocumentsFolderAndNeverOverwritesAReport)
{
    ASSERT_FALSE(QFileInfo::exists(documents()));
    QtPrinter printer;
    printShortReport(printer.document, "first");
    const PrintOutcome first = printer.document.endDocument();
    printShortReport(printer.document, "second");
    const PrintOutcome second = printer.document.endDocument();

    for (const PrintOutcome &outcome : {first, second}) {
        EXPECT_EQ(outcome.printing, Printing::NoPrinter);
        EXPECT_EQ(outcome.saving, Saving::Saved);
    }
    EXPECT_NE(first.path, second.path);
    EXPECT_EQ(QFileInfo(QString::fromStdString(first.path)).absolutePath(), documents());
    EXPECT_EQ(pdfTextLines(QString::fromStdString(first.path)),
              QStringList({QStringLiteral("first"), QStringLiteral("水准点 :1.062 米")}));
    EXPECT_EQ(pdfTextLines(QString::fromStdString(second.path)),
              QStringList({QStringLiteral("second"), QStringLiteral("水准点 :1.062 米")}));
}

TEST_F(SavedReport, TakesTheNextFreeSuffixWhenTheNameIsTaken)
{
    // A clock that stands still, and the report's name and its first suffix taken.
    struct StoppedClock : platform::qt::QtReportOutput
    {
        platform::LocalTime now() override { return {2026, 12, 9, 8, 15, 2}; }
    } output;
    ASSERT_TRUE(QDir().mkpath(documents()));
    for (const char *taken : {"Brannock-20261209-081502.pdf", "Brannock-20261209-081502-2.pdf"}) {
        QFile file(QDir(documents()).filePath(QString::fromLatin1(taken)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("taken");
    }
    adjustment::ReportDocument printer(output);
    printShortReport(printer, "third");
    const PrintOutcome outcome = printer.endDocument();
    EXPECT_EQ(outcome.saving, Saving::Saved);
    EXPECT_EQ(QString::fromStdString(outcome.path),
              QDir(documents()).filePath(QStringLiteral("Brannock-20261209-081502-3.pdf")));
    int untouched = 0;
    for (const QFileInfo &file : QDir(documents()).entryInfoList(QDir::Files))
        untouched += file.size() == 5 ? 1 : 0;
    EXPECT_EQ(untouched, 2);
}

TEST_F(SavedReport, ReportsTheFolderWhenItCannotBeCreated)
{
    // A file where the folder should be: creating the folder fails, even for root.
    QFile blocker(documents());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QtPrinter printer;
    printShortReport(printer.document, "lost");
    const PrintOutcome outcome = printer.document.endDocument();
    EXPECT_EQ(outcome.saving, Saving::FolderNotWritable);
    EXPECT_EQ(QString::fromStdString(outcome.path), QDir::toNativeSeparators(documents()));
}

} // namespace
