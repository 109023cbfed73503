// SPDX-License-Identifier: GPL-3.0-or-later
// The report on Qt Print Support, saved as a PDF since the tests have no printer: real text,
// page breaks for long routes, lines too long for the paper, names that never overwrite, and the
// outcome when nothing can be written.

#include "pdf_text.h"
#include "row_name.h"

#include "qt_printer_surface.h"
#include "run.h"
#include "scripted_platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using platform::PrintOutcome;

// Points the documents folder into a temporary home for one test.
class TemporaryHome : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_home.isValid());
        m_savedHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(m_home.path()));
    }
    void TearDown() override { qputenv("HOME", m_savedHome); }

    QString documents() const { return m_home.filePath(QStringLiteral("Documents")); }

    QTemporaryDir m_home;
    QByteArray m_savedHome;
};

// Point i of the routes below stands at 100 + 0.01 i metres; written with three decimals.
QString elevation(std::size_t i)
{
    return QStringLiteral("%1.%2").arg(100 + i / 100).arg(i % 100 * 10, 3, 10, QLatin1Char('0'));
}

// Runs a route through the named points, first to last, with Ha 100 and each segment 10 units
// rising 0.01 m, so there is no closure error. Returns the saved report's path.
QString printRoute(const std::vector<std::string> &names)
{
    const std::size_t last = names.size() - 1;
    std::vector<std::string> replies
            = {std::to_string(last - 1), "100", "", elevation(last).toStdString(), "", names[0]};
    for (std::size_t i = 1; i <= last; ++i)
        replies.insert(replies.end(), {names[i], "10", "", "0.01", ""});
    replies.insert(replies.end(), last + 1, "");
    platform::ScriptedPlatform scripted(replies);
    platform::qt::QtPrinterSurface printer;
    platform::Services services{scripted, scripted, printer};

    EXPECT_EQ(adjustment::performRun(services), adjustment::RunEnd::Completed);
    const std::vector<std::string> messages = scripted.logOf("message: ");
    EXPECT_EQ(messages.size(), 1u);
    const std::string message = messages.empty() ? std::string() : messages.back();
    return QString::fromStdString(message.substr(message.find('\n') + 1));
}

// The report printRoute gives, blanks folded.
QStringList routeReport(const std::vector<std::string> &names)
{
    const std::size_t last = names.size() - 1;
    QStringList lines = {QStringLiteral("Tarnovel"),
                         QStringLiteral("起始点%1 高程 : Ha=%2 米")
                                 .arg(QString::fromStdString(names[0]), elevation(0)),
                         QStringLiteral("闭合点%1 高程 : Hb=%2 米")
                                 .arg(QString::fromStdString(names[last]), elevation(last))};
    for (std::size_t i = 0; i <= last; ++i)
        lines << QStringLiteral("%1 :%2 米").arg(QString::fromStdString(names[i]), elevation(i));
    lines << QStringLiteral("路线闭合差 : fh=0.000 米");
    return blanksFolded(lines);
}

// Point 0 is A, the last B, the others P1, P2, ...; point `longAt` takes `longName` instead.
std::vector<std::string> route(int between, int longAt = -1, const std::string &longName = {})
{
    std::vector<std::string> names;
    for (int i = 0; i <= between + 1; ++i)
        names.push_back(i == longAt        ? longName
                        : i == 0           ? "A"
                        : i == between + 1 ? "B"
                                           : "P" + std::to_string(i));
    return names;
}

using LongRoute = TemporaryHome;

TEST_F(LongRoute, PrintsEveryPointInOrderOverSeveralPages)
{
    int pages = 0;
    EXPECT_EQ(pdfTextLines(printRoute(route(150)), &pages), routeReport(route(150)));
    EXPECT_GE(pages, 3);
}

// Names too long for a line of the paper: 300 letters for the first point, 200 Han characters for
// the last, and 300 letters for point 65 of 70, whose first line is the last of page 1.
struct LongNameCase
{
    const char *name;
    std::vector<std::string> names;
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

class LongName : public TemporaryHome, public ::testing::WithParamInterface<LongNameCase>
{};

TEST_P(LongName, GoesOnAtItsColumnOnTheNextLinesAndStaysOnThePaper)
{
    // Read from the printable area alone: A4 less the saved report's half-inch margins.
    const QStringList expected = routeReport(GetParam().names);
    EXPECT_EQ(joinedAs(pdfTextLines(printRoute(GetParam().names), nullptr, {36, 36, 523, 770}),
                       expected),
              expected);
}

INSTANTIATE_TEST_SUITE_P(
        Report, LongName,
        ::testing::Values(
                LongNameCase{"Letters", route(1, 0, cycled(u"abcdefghijklmnopqrstuvwxyz", 300))},
                LongNameCase{"HanCharacters", route(1, 2, cycled(u"水准测量高程闭合差改正", 200))},
                LongNameCase{"AtTheFootOfAPage",
                             route(70, 65, cycled(u"abcdefghijklmnopqrstuvwxyz", 300))}),
        RowName());

using SavedReport = TemporaryHome;

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
    platform::qt::QtPrinterSurface printer;
    printShortReport(printer, "first");
    const PrintOutcome first = printer.endDocument();
    printShortReport(printer, "second");
    const PrintOutcome second = printer.endDocument();

    EXPECT_EQ(first.status, PrintOutcome::Status::SavedNoPrinter);
    EXPECT_EQ(second.status, PrintOutcome::Status::SavedNoPrinter);
    EXPECT_NE(first.path, second.path);
    EXPECT_EQ(QFileInfo(QString::fromStdString(first.path)).absolutePath(), documents());
    EXPECT_EQ(pdfTextLines(QString::fromStdString(first.path)),
              QStringList({QStringLiteral("first"), QStringLiteral("水准点 :1.062 米")}));
    EXPECT_EQ(pdfTextLines(QString::fromStdString(second.path)),
              QStringList({QStringLiteral("second"), QStringLiteral("水准点 :1.062 米")}));
}

TEST_F(SavedReport, TakesTheNextFreeSuffixWhenTheNameIsTaken)
{
    // Claim the names of this second and the next two, so the report needs a suffix.
    ASSERT_TRUE(QDir().mkpath(documents()));
    const QDateTime now = QDateTime::currentDateTime();
    for (int second = 0; second < 3; ++second) {
        const QString stem = QStringLiteral("Brannock-")
                             + now.addSecs(second).toString(QStringLiteral("yyyyMMdd-HHmmss"));
        for (const QString &suffix : {QString(), QStringLiteral("-2")}) {
            QFile taken(QDir(documents()).filePath(stem + suffix + QStringLiteral(".pdf")));
            ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
            taken.write("taken");
        }
    }
    platform::qt::QtPrinterSurface printer;
    printShortReport(printer, "third");
    const PrintOutcome outcome = printer.endDocument();
    EXPECT_EQ(outcome.status, PrintOutcome::Status::SavedNoPrinter);
    EXPECT_TRUE(QString::fromStdString(outcome.path).endsWith(QStringLiteral("-3.pdf")))
            << outcome.path;
    int untouched = 0;
    for (const QFileInfo &file : QDir(documents()).entryInfoList(QDir::Files))
        untouched += file.size() == 5 ? 1 : 0;
    EXPECT_EQ(untouched, 6);
}

TEST_F(SavedReport, ReportsTheFolderWhenItCannotBeCreated)
{
    // A file where the folder should be: creating the folder fails, even for root.
    QFile blocker(documents());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    platform::qt::QtPrinterSurface printer;
    printShortReport(printer, "lost");
    const PrintOutcome outcome = printer.endDocument();
    EXPECT_EQ(outcome.status, PrintOutcome::Status::FolderNotWritable);
    EXPECT_EQ(QString::fromStdString(outcome.path), QDir::toNativeSeparators(documents()));
}

} // namespace
