// The report on Qt Print Support, saved as a PDF since the tests have no printer: real text,
// page breaks for long routes, names that never overwrite, and the outcome when nothing can be
// written.

#include "pdf_text.h"

#include "adjustment/run.h"
#include "platform/qt/qt_printer_surface.h"
#include "platform/scripted/scripted_platform.h"

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

using LongRoute = TemporaryHome;

TEST_F(LongRoute, PrintsEveryPointInOrderOverSeveralPages)
{
    // 150 points, 151 segments of 10 units rising 0.01 m each: Ha 100, Hb 101.51, no closure
    // error, so point I stands at 100 + 0.01 I.
    constexpr int points = 150;
    std::vector<std::string> replies = {"150", "100", "", "101.51", "", "A"};
    for (int i = 1; i <= points + 1; ++i) {
        if (i <= points)
            replies.push_back("P" + std::to_string(i));
        else
            replies.push_back("B");
        replies.insert(replies.end(), {"10", "", "0.01", ""});
    }
    replies.insert(replies.end(), points + 2, "");
    platform::ScriptedPlatform scripted(replies);
    platform::qt::QtPrinterSurface printer;
    platform::Services services{scripted, scripted, printer};

    ASSERT_EQ(adjustment::performRun(services), adjustment::RunEnd::Completed);
    ASSERT_EQ(scripted.logOf("message: ").size(), 1u);
    const std::string message = scripted.logOf("message: ").front();
    const QString path = QString::fromStdString(message.substr(message.find('\n') + 1));
    ASSERT_TRUE(QFileInfo::exists(path)) << message;

    int pages = 0;
    const QStringList lines = pdfTextLines(path, &pages);
    QStringList expected
            = {QStringLiteral("Tarnovel"), QStringLiteral("起始点A 高程  :   Ha=100.000 米"),
               QStringLiteral("闭合点B 高程  :   Hb=101.510 米"), QStringLiteral("A :100.000 米")};
    for (int i = 1; i <= points; ++i)
        expected << QStringLiteral("P%1 :%2 米")
                            .arg(i)
                            .arg(QString::asprintf("%.3f", 100 + 0.01 * i));
    expected << QStringLiteral("B :101.510 米") << QStringLiteral("路线闭合差 : fh=0.000 米");
    EXPECT_EQ(lines, blanksFolded(expected));
    EXPECT_GE(pages, 3);
}

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
