// SPDX-License-Identifier: GPL-3.0-or-later
// The report's printer and files on Windows: which printer writes a saved report, where a line
// is cut, and the report saved as text in the documents folder of the Wine prefix, which has no
// printer.

#include "adjustment_result.h"
#include "gdi_report_output.h"
#include "report.h"
#include "report_document.h"
#include "utf16.h"

#include "row_name.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

using namespace platform;
using platform::win32::FileWriterChoice;
using platform::win32::PrinterEntry;

struct WriterCase
{
    const char *name;
    std::vector<PrinterEntry> printers;
    FileWriterChoice choice;
};

class FileWriter : public testing::TestWithParam<WriterCase>
{};

TEST_P(FileWriter, IsThePdfPrinterElseTheXpsPrinterByDriverElseText)
{
    EXPECT_EQ(platform::win32::chooseFileWriter(GetParam().printers), GetParam().choice);
}

const FileWriterChoice text{FileKind::Text, L""};
INSTANTIATE_TEST_SUITE_P(
        Win32Print, FileWriter,
        testing::Values(
                WriterCase{"NoPrinter", {}, text},
                WriterCase{"OfficePrinterOnly", {{L"HP", L"HP Universal Printing PCL 6"}}, text},
                WriterCase{"RenamedPdfPrinter",
                           {{L"HP", L"HP PCL 6"}, {L"另存为 PDF", L"Microsoft Print To PDF"}},
                           {FileKind::Pdf, L"另存为 PDF"}},
                WriterCase{"PdfBeforeAnEarlierXps",
                           {{L"X", L"Microsoft XPS Document Writer v4"},
                            {L"P", L"Microsoft Print To PDF"}},
                           {FileKind::Pdf, L"P"}},
                WriterCase{"XpsV4",
                           {{L"X", L"Microsoft XPS Document Writer v4"}},
                           {FileKind::Xps, L"X"}},
                WriterCase{"XpsOfWindows7",
                           {{L"Y", L"Microsoft XPS Document Writer"},
                            {L"X", L"Microsoft XPS Document Writer v4"}},
                           {FileKind::Xps, L"Y"}},
                WriterCase{"PdfDisplayNameOnOtherDriver",
                           {{L"Microsoft Print to PDF", L"Generic / Text Only"}},
                           text},
                WriterCase{"DriverNameInOtherCase",
                           {{L"P", L"microsoft print to pdf"}},
                           {FileKind::Pdf, L"P"}}),
        RowName());

struct CutCase
{
    const char *name;
    std::wstring text;
    std::size_t fits;
    std::size_t cut;
};

class LineCut : public testing::TestWithParam<CutCase>
{};

TEST_P(LineCut, PrefersBlanksAndHanAndNeverSplitsACharacter)
{
    EXPECT_EQ(platform::win32::lineCut(GetParam().text, GetParam().fits), GetParam().cut);
}

INSTANTIATE_TEST_SUITE_P(Win32Print, LineCut,
                         testing::Values(CutCase{"AllFits", L"ab cd", 5, 5},
                                         CutCase{"AfterLastBlank", L"ab cd ef", 4, 3},
                                         CutCase{"BlanksAfterWhatFitsGoAlong", L"ab cd  ef", 5, 7},
                                         CutCase{"BetweenHan", L"高程高AB", 4, 2},
                                         CutCase{"NotBetweenHanAndLatin", L"高AB", 2, 2},
                                         CutCase{"AnywhereWithoutABreak", L"abcdef", 4, 4},
                                         CutCase{"OneCharacterWhenNoneFits", L"abc", 0, 1},
                                         CutCase{"BeforeASurrogatePair", L"a\U0001F600b", 2, 1},
                                         CutCase{"AWholePairWhenNoneFits", L"\U0001F600b", 0, 2}),
                         RowName());

// The Windows output with its clock stopped at `time`, so that the saved file's name is known.
class StoppedClock final : public ReportOutput
{
public:
    explicit StoppedClock(LocalTime time)
        : m_time(time)
    {}

    DefaultPrinter defaultPrinter() override { return m_os.defaultPrinter(); }
    std::unique_ptr<PageCanvas> printJob(const std::string &to) override
    {
        return m_os.printJob(to);
    }
    LocalTime now() override { return m_time; }
    Folder documentsFolder() override { return m_os.documentsFolder(); }
    std::string pathIn(const std::string &f, const std::string &n) override
    {
        return m_os.pathIn(f, n);
    }
    FileCreation createNewFile(const std::string &p) override { return m_os.createNewFile(p); }
    FileKind savedFileKind() override { return m_os.savedFileKind(); }
    std::unique_ptr<PageCanvas> fileWriter(const std::string &p) override
    {
        return m_os.fileWriter(p);
    }
    void removeFile(const std::string &path) override { m_os.removeFile(path); }

private:
    platform::win32::GdiReportOutput m_os;
    LocalTime m_time;
};

// The example route: Ha 10.000, points A, P1, B, distances 120 and 280, rises 0.2 and 0.31.
PrintOutcome printExample(ReportOutput &output)
{
    const adjustment::LevelingRoute route{
            "1", 2,   "10.000", "10.5", 10, 10.5, {"A", "P1", "B"}, {0, 120, 280}, {0, 0.2, 0.31},
            400, 0.51};
    adjustment::ReportDocument document(output);
    return adjustment::printReport(document, route, adjustment::computeAdjustment(route));
}

std::string contents(const std::string &path)
{
    std::ifstream file(std::filesystem::path(platform::win32::toUtf16(path)), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

TEST(Win32Print, ReportWithoutPrinterIsSavedAsTextLinesInANewFileInTheDocumentsFolder)
{
    StoppedClock output({2026, 12, 9, 3, 4, 5});
    const Folder folder = output.documentsFolder();
    ASSERT_TRUE(folder.usable) << folder.path;
    // Under Wine: the user folder on the prefix's drive C: (scripts/with-wine.sh cuts its links
    // to the real home folder, which no Windows program can see).
    if (std::getenv("WINEPREFIX")) {
        EXPECT_EQ(folder.path, std::string(std::getenv("USERPROFILE")) + "\\Documents");
    }

    const PrintOutcome outcome = printExample(output);
    const std::string path = folder.path + "\\Brannock-20261209-030405.txt";
    EXPECT_EQ(outcome.printing, PrintOutcome::Printing::NoPrinter);
    EXPECT_EQ(outcome.saving, PrintOutcome::Saving::Saved);
    EXPECT_EQ(outcome.kind, FileKind::Text);
    ASSERT_EQ(outcome.path, path);
    std::string saved = contents(path);
    ASSERT_EQ(saved.substr(0, 3), "\xEF\xBB\xBF");
    std::vector<std::string> lines;
    for (std::size_t at = 3, end; (end = saved.find("\r\n", at)) != std::string::npos; at = end + 2)
        lines.push_back(saved.substr(at, end - at));
    const std::vector<std::string> report
            = {std::string(29, ' ') + "Tarnovel",
               "",
               std::string(22, ' ') + "起始点A 高程  :   Ha=10.000 米",
               std::string(22, ' ') + "闭合点B 高程  :   Hb=10.500 米",
               "",
               std::string(25, ' ') + "A :10.000 米",
               std::string(25, ' ') + "P1 :10.197 米",
               std::string(25, ' ') + "B :10.500 米",
               "",
               std::string(23, ' ') + "路线闭合差 : fh=0.010 米"};
    EXPECT_EQ(lines, report);
    EXPECT_TRUE(saved.ends_with("\r\n"));
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), std::ssize(report)) << "bare LF";

    // The same second again: the name is taken, and the file of that name is left alone.
    EXPECT_EQ(output.createNewFile(path), FileCreation::Exists);
    EXPECT_EQ(output.createNewFile(folder.path + "\\none\\a.txt"), FileCreation::Failed);
    const std::string second = printExample(output).path;
    EXPECT_EQ(second, folder.path + "\\Brannock-20261209-030405-2.txt");
    EXPECT_EQ(contents(second), saved);
    EXPECT_EQ(contents(path), saved);
    output.removeFile(path);
    output.removeFile(second);
}

} // namespace
