// SPDX-License-Identifier: GPL-3.0-or-later
// The report's printer and files on Windows: which printer writes a saved report, and the report
// saved in the documents folder, as text and through GDI, under Wine.

#include "adjustment_result.h"
#include "gdi_report_output.h"
#include "report.h"
#include "report_document.h"
#include "utf16.h"

#include "routes.h"
#include "row_name.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <winspool.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

namespace {

using namespace platform;
using platform::win32::PrinterEntry;

struct WriterCase
{
    const char *name;
    std::vector<PrinterEntry> printers;
    std::optional<std::wstring> pdf; // the printer that writes PDF files, if any
    std::optional<std::wstring> xps;
};

class FilePrinter : public testing::TestWithParam<WriterCase>
{};

TEST_P(FilePrinter, IsTheFirstReadyPrinterWithTheKindsDriver)
{
    EXPECT_EQ(platform::win32::filePrinter(GetParam().printers, FileKind::Pdf), GetParam().pdf);
    EXPECT_EQ(platform::win32::filePrinter(GetParam().printers, FileKind::Xps), GetParam().xps);
    EXPECT_EQ(platform::win32::filePrinter(GetParam().printers, FileKind::Text), std::nullopt);
}

const std::wstring pdf = L"Microsoft Print To PDF";
const std::wstring xps = L"Microsoft XPS Document Writer v4";
const std::wstring xps7 = L"Microsoft XPS Document Writer";
const std::nullopt_t none = std::nullopt;
INSTANTIATE_TEST_SUITE_P(
        Win32Print, FilePrinter,
        testing::Values(
                WriterCase{"NoPrinter", {}, none, none},
                WriterCase{"Renamed", {{L"HP", L"PCL"}, {L"另存", pdf}}, L"另存", none},
                WriterCase{"PdfAndXps", {{L"X", xps}, {L"P", pdf}}, L"P", L"X"},
                WriterCase{"XpsV4", {{L"X", xps}}, none, L"X"},
                WriterCase{"FirstXps", {{L"Y", xps7}, {L"X", xps}}, none, L"Y"},
                WriterCase{"NameIsNotDriver", {{pdf, L"Generic / Text Only"}}, none, none},
                WriterCase{"Case", {{L"P", L"microsoft print to pdf"}}, L"P", none},
                // A paused or failing printer would hold the file's job, or lose it.
                WriterCase{"PdfNotReady", {{L"P", pdf, false}, {L"X", xps}}, none, L"X"},
                WriterCase{"NoneReady", {{L"P", pdf, false}, {L"X", xps7, false}}, none, none}),
        RowName());

// A file that a printer prints into is saved only once it has content and its writer let it go;
// the file made for it (createNewFile) is empty until then.
TEST(Win32Print, FileIsCompletedOnceItHasContentAndNoWriterHoldsIt)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    const std::wstring path = (folder / L"brannock-completed-test.pdf").wstring();
    EXPECT_FALSE(platform::win32::fileCompleted(path, 0)) << "missing";
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    const DWORD started = GetTickCount();
    EXPECT_FALSE(platform::win32::fileCompleted(path, 300)) << "empty";
    EXPECT_GE(GetTickCount() - started, 300U) << "gave up before its time";
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(file, "%PDF", 4, &written, nullptr) && written == 4);
    EXPECT_FALSE(platform::win32::fileCompleted(path, 0)) << "still being written";
    CloseHandle(file);
    EXPECT_TRUE(platform::win32::fileCompleted(path, 0));
    DeleteFileW(path.c_str());
}

// The example route, printed.
PrintOutcome printExample(ReportOutput &output)
{
    const adjustment::LevelingRoute route = kit::exampleLevelingRoute();
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
    win32::GdiReportOutput output;
    const Folder folder = output.documentsFolder();
    ASSERT_TRUE(folder.usable) << folder.path;
    // Under Wine: the user's folder on the prefix's drive (scripts/with-wine.sh unlinks the home).
    if (std::getenv("WINEPREFIX")) {
        EXPECT_EQ(folder.path, std::string(std::getenv("USERPROFILE")) + "\\Documents");
    }

    const PrintOutcome outcome = printExample(output);
    EXPECT_EQ(outcome.printing, PrintOutcome::Printing::NoPrinter);
    EXPECT_EQ(outcome.saving, PrintOutcome::Saving::Saved);
    EXPECT_EQ(outcome.kind, FileKind::Text);
    ASSERT_TRUE(outcome.path.starts_with(folder.path + "\\Brannock-")) << outcome.path;
    ASSERT_TRUE(outcome.path.ends_with(".txt")) << outcome.path;
    const std::string saved = contents(outcome.path);
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
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), std::ssize(report)) << "bare LF";

    // A name once taken stays with its file; a file in a missing folder is no taken name.
    EXPECT_EQ(output.createNewFile(outcome.path), FileCreation::Exists);
    EXPECT_EQ(contents(outcome.path), saved);
    EXPECT_EQ(output.createNewFile(folder.path + "\\none\\a.txt"), FileCreation::Failed);
    output.removeFile(outcome.path);
}

// Under Wine, whose PostScript driver stands in for the PDF printer's driver: the report goes
// through GDI into the file, and the printer is found by its driver, not by its name.
TEST(Win32Print, ReportIsSavedThroughThePrinterWithThePdfDriver)
{
    if (!std::getenv("WINEPREFIX"))
        GTEST_SKIP() << "installs a printer: only in a Wine prefix";
    const auto w = [](const wchar_t *literal) {
        return const_cast<LPWSTR>(literal);
    };
    LPWSTR ppd = w(L"C:\\windows\\system32\\spool\\drivers\\x64\\3\\brannock.ppd");
    ASSERT_TRUE(CopyFileW(L"Z:\\usr\\share\\ppd\\cups-pdf\\CUPS-PDF_opt.ppd", ppd, FALSE))
            << "a PostScript printer description from Debian's printer-driver-cups-pdf";
    LPWSTR wineps = w(L"wineps.drv");
    DRIVER_INFO_3W driver{3, w(pdf.c_str()), w(L"Windows x64"), wineps, ppd, wineps, {}, {}, {},
                          {}};
    ASSERT_TRUE(
            AddPrinterDriverExW(nullptr, 3, reinterpret_cast<BYTE *>(&driver), APD_COPY_NEW_FILES));
    PRINTER_INFO_2W info{};
    info.pPrinterName = w(L"另存为 PDF");
    info.pPortName = w(L"FILE:");
    info.pDriverName = driver.pName;
    info.pPrintProcessor = w(L"winprint");
    info.pDatatype = w(L"RAW");
    const HANDLE added = AddPrinterW(nullptr, 2, reinterpret_cast<BYTE *>(&info));
    ASSERT_TRUE(added);

    win32::GdiReportOutput output;
    const PrintOutcome outcome = printExample(output);
    // Its printable part is the whole paper, as the Microsoft PDF printer's is; a file drawn
    // through it keeps the Linux PDF's half-inch margin all round.
    {
        const HDC dc = CreateDCW(L"WINSPOOL", info.pPrinterName, nullptr, nullptr);
        ASSERT_TRUE(dc);
        EXPECT_EQ(GetDeviceCaps(dc, PHYSICALOFFSETX), 0);
        EXPECT_EQ(GetDeviceCaps(dc, PHYSICALOFFSETY), 0);
        const double width
                = GetDeviceCaps(dc, PHYSICALWIDTH) * 1440.0 / GetDeviceCaps(dc, LOGPIXELSX);
        const double height
                = GetDeviceCaps(dc, PHYSICALHEIGHT) * 1440.0 / GetDeviceCaps(dc, LOGPIXELSY);
        DeleteDC(dc);
        const std::string probe = outcome.path + ".area.pdf";
        std::unique_ptr<PageCanvas> canvas = output.fileWriter(FileKind::Pdf, probe);
        ASSERT_TRUE(canvas);
        const PrintableArea area = canvas->printableArea();
        EXPECT_DOUBLE_EQ(area.left, fileMarginTwips);
        EXPECT_DOUBLE_EQ(area.top, fileMarginTwips);
        EXPECT_DOUBLE_EQ(area.right, width - fileMarginTwips);
        EXPECT_DOUBLE_EQ(area.bottom, height - fileMarginTwips);
        canvas.reset(); // the document is abandoned
        output.removeFile(probe);
    }
    // As the default printer it is ready (Wine cannot pause a printer).
    EXPECT_TRUE(SetDefaultPrinterW(info.pPrinterName));
    EXPECT_EQ(output.defaultPrinter().state, DefaultPrinter::State::Ready);
    EXPECT_EQ(output.defaultPrinter().name, "另存为 PDF");
    EXPECT_TRUE(DeletePrinter(added) && ClosePrinter(added));
    EXPECT_EQ(outcome.saving, PrintOutcome::Saving::Saved);
    EXPECT_EQ(outcome.kind, FileKind::Pdf);
    EXPECT_TRUE(outcome.path.ends_with(".pdf")) << outcome.path;
    // One page of PostScript, the job named after the program, the Latin letters drawn as glyphs.
    const std::string saved = contents(outcome.path);
    EXPECT_TRUE(saved.starts_with("%!PS"));
    EXPECT_NE(saved.find("%%Title: Brannock"), std::string::npos);
    EXPECT_NE(saved.find("%%Pages: 1\n"), std::string::npos);
    std::string letters;
    for (std::size_t at = 0; (at = saved.find(" glyphshow", at)) != std::string::npos; ++at)
        if (saved[at - 2] == '/') // a glyph of a one-letter name
            letters += saved[at - 1];
    EXPECT_NE(letters.find("TarnovelAHaBHbAPBfh"), std::string::npos) << letters;
    output.removeFile(outcome.path);
}

} // namespace
