// SPDX-License-Identifier: GPL-3.0-or-later
// The report's page and where it goes, on a fixed-width device with no fonts, files or printer.

#include "page_layout.h"
#include "report_document.h"

#include "row_name.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using adjustment::PrintOperation;
using platform::PrintFont;
using platform::PrintOutcome;
using Kind = PrintOperation::Kind;
using Files = std::map<std::string, std::string>;

// Every character is points × 10 twips wide; a line is points × 20 high with its baseline
// points × 16 down, and the next line points × 25 down. A line too long is cut after the last
// character that fits. What was drawn goes to `*out` when the document is finished.
class FixedWidthCanvas final : public platform::PageCanvas
{
public:
    FixedWidthCanvas(platform::PrintableArea area, std::string *out = nullptr, bool fails = false)
        : m_area(area)
        , m_out(out)
        , m_fails(fails)
    {}

    double advance(const PrintFont &font, const std::string &text) override
    {
        return font.points * 10 * static_cast<double>(text.size());
    }
    platform::FontMetrics metrics(const PrintFont &font) override
    {
        return {font.points * 20, font.points * 16, font.points * 25};
    }
    platform::PrintableArea printableArea() override { return m_area; }
    std::vector<std::string> breakLine(const PrintFont &font, const std::string &text,
                                       double width) override
    {
        const auto fit
                = std::max<std::size_t>(1, static_cast<std::size_t>(width / (font.points * 10)));
        std::vector<std::string> pieces;
        for (std::size_t i = 0; i < text.size(); i += fit)
            pieces.push_back(text.substr(i, fit));
        return pieces;
    }
    void drawText(const platform::PlacedText &piece) override
    {
        m_drawn += (m_drawn.empty() || m_drawn.back() == ' ' ? "" : "; ") + placed(piece);
    }
    bool newPage() override
    {
        m_drawn += " | ";
        return true;
    }
    bool finish() override
    {
        if (m_out && !m_fails)
            *m_out = m_drawn;
        return !m_fails;
    }

    // "x,baseline text", and the font's name when it is not the report's.
    static std::string placed(const platform::PlacedText &piece)
    {
        return std::to_string(int(piece.x)) + "," + std::to_string(int(piece.baseline)) + " "
               + (piece.font.name == "宋体" ? "" : piece.font.name + ":") + piece.text;
    }

private:
    platform::PrintableArea m_area;
    std::string *m_out;
    bool m_fails;
    std::string m_drawn;
};

PrintOperation position(int x, int y)
{
    return {Kind::Position, x, y, 0, {}, {}};
}
PrintOperation size(double points)
{
    return {Kind::FontSize, 0, 0, points, {}, {}};
}
PrintOperation font(const std::string &name)
{
    return {Kind::FontName, 0, 0, 0, name, {}};
}
PrintOperation line(std::optional<int> column, const std::string &text)
{
    return {Kind::Line, 0, 0, 0, text, column};
}
PrintOperation emptyLine()
{
    return {Kind::EmptyLine, 0, 0, 0, {}, {}};
}

struct LayoutCase
{
    const char *name;
    platform::PrintableArea area;
    std::vector<PrintOperation> document;
    std::string pages; // the pieces as FixedWidthCanvas::placed writes them, "|" between pages
};

class PageLayout : public testing::TestWithParam<LayoutCase>
{};

TEST_P(PageLayout, PlacesEveryPieceByColumnLineAndPage)
{
    FixedWidthCanvas canvas(GetParam().area);
    std::string drawn;
    const std::vector<adjustment::Page> pages
            = adjustment::layOutPages(GetParam().document, canvas);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        drawn += i == 0 ? "" : " | ";
        for (std::size_t j = 0; j < pages[i].size(); ++j)
            drawn += (j == 0 ? "" : "; ") + FixedWidthCanvas::placed(pages[i][j]);
    }
    EXPECT_EQ(drawn, GetParam().pages);
}

INSTANTIATE_TEST_SUITE_P(
        Report, PageLayout,
        testing::Values(
                // 10 pt: columns of 100, baseline 160 down, lines 250 apart; 12 pt before.
                LayoutCase{"ColumnsCountFromThePaperEdge",
                           {0, 0, 9000, 9000},
                           {position(2000, 1000), line({}, "t"), size(10), line(23, "ab"),
                            line({}, "cd"), emptyLine(), line(2, "e")},
                           "2000,1192 t; 2200,1460 ab; 0,1710 cd; 100,2210 e"},
                LayoutCase{"TooLongGoesOnAtItsColumn",
                           {0, 0, 1000, 9000},
                           {size(10), line(5, "abcdefghij"), line({}, "k")},
                           "400,160 abcdef; 400,410 ghij; 0,660 k"},
                LayoutCase{"PastTheBottomGoesOnAt1000",
                           {0, 0, 9000, 1700},
                           {size(10), position(0, 1000), line({}, "a"), line({}, "b"),
                            line({}, "c"), line({}, "d")},
                           "0,1160 a; 0,1410 b; 0,1660 c | 0,1160 d"},
                LayoutCase{"TallerThanThePageOnePerPage",
                           {0, 0, 9000, 500},
                           {position(0, 1000), line({}, "a"), line({}, "b")},
                           "0,1192 a | 0,1192 b"},
                LayoutCase{"FontChangesColumnsAndSpacing",
                           {0, 0, 9000, 9000},
                           {font("Other"), size(20), line(3, "x"), line({}, "y")},
                           "400,320 Other:x; 0,820 Other:y"}),
        RowName());

// A report output with a fixed clock and a documents folder in memory.
class FakeOutput final : public platform::ReportOutput
{
public:
    platform::DefaultPrinter printer;
    bool jobFails = false;
    bool folderUsable = true;
    bool creationFails = false;
    bool writingFails = false;
    platform::FileKind kind = platform::FileKind::Pdf;
    Files files; // path → what was drawn into it
    std::string printed;
    int jobs = 0;

    platform::DefaultPrinter defaultPrinter() override { return printer; }
    std::unique_ptr<platform::PageCanvas> printJob(const std::string &) override
    {
        ++jobs;
        return std::make_unique<FixedWidthCanvas>(area, &printed, jobFails);
    }
    platform::LocalTime now() override { return {2026, 1, 5, 7, 8, 9}; }
    platform::Folder documentsFolder() override { return {"/docs", folderUsable}; }
    std::string pathIn(const std::string &folder, const std::string &name) override
    {
        return folder + "/" + name;
    }
    platform::FileCreation createNewFile(const std::string &path) override
    {
        if (creationFails)
            return platform::FileCreation::Failed;
        return files.emplace(path, "").second ? platform::FileCreation::Created
                                              : platform::FileCreation::Exists;
    }
    platform::FileKind savedFileKind() override { return kind; }
    std::unique_ptr<platform::PageCanvas> fileWriter(const std::string &path) override
    {
        return std::make_unique<FixedWidthCanvas>(area, &files[path], writingFails);
    }
    void removeFile(const std::string &path) override { files.erase(path); }

private:
    platform::PrintableArea area{0, 0, 9000, 9000};
};

using State = platform::DefaultPrinter::State;
using Printing = PrintOutcome::Printing;
using Saving = PrintOutcome::Saving;
const std::string kReport = "3480,1192 Tarnovel";
const std::string kSaved = "/docs/Brannock-20260105-070809.pdf";

struct DeliveryCase
{
    const char *name;
    State printer = State::Ready;
    bool jobFails = false;
    bool folderUsable = true;
    Files taken = {};
    bool creationFails = false;
    bool writingFails = false;
    platform::FileKind kind = platform::FileKind::Pdf;
    Printing printing = Printing::Failed;
    Saving saving = Saving::Saved;
    std::string path = kSaved;
    Files files = {{kSaved, kReport}};
};

class Delivery : public testing::TestWithParam<DeliveryCase>
{};

TEST_P(Delivery, PrintsOrSavesANewFileAndSaysWhy)
{
    const DeliveryCase &c = GetParam();
    FakeOutput output;
    output.printer = {c.printer, "Queue"};
    output.jobFails = c.jobFails;
    output.folderUsable = c.folderUsable;
    output.files = c.taken;
    output.creationFails = c.creationFails;
    output.writingFails = c.writingFails;
    output.kind = c.kind;

    const PrintOutcome outcome
            = adjustment::deliverReport({position(2000, 1000), line(30, "Tarnovel")}, output);
    EXPECT_EQ(outcome.printing, c.printing);
    EXPECT_EQ(outcome.saving, c.saving);
    EXPECT_EQ(outcome.path, c.path);
    EXPECT_EQ(outcome.kind, c.kind);
    // A printer that is not ready gets no job: it would come out later as well.
    EXPECT_EQ(output.jobs, c.printer == State::Ready ? 1 : 0);
    EXPECT_EQ(output.printed, c.printing == Printing::Printed ? kReport : "");
    Files files = c.files;
    files.insert(c.taken.begin(), c.taken.end());
    EXPECT_EQ(output.files, files);
}

const std::string kTaken2 = "/docs/Brannock-20260105-070809-2.pdf";
const std::string kSaved3 = "/docs/Brannock-20260105-070809-3.pdf";
const std::string kSavedXps = "/docs/Brannock-20260105-070809.xps";
const std::string kSavedText2 = "/docs/Brannock-20260105-070809-2.txt";
INSTANTIATE_TEST_SUITE_P(
        Report, Delivery,
        testing::Values(DeliveryCase{.name = "Printed",
                                     .printing = Printing::Printed,
                                     .saving = Saving::NotNeeded,
                                     .path = "",
                                     .files = {}},
                        DeliveryCase{.name = "NoPrinter",
                                     .printer = State::None,
                                     .printing = Printing::NoPrinter},
                        DeliveryCase{.name = "PrinterNotReady", .printer = State::NotReady},
                        DeliveryCase{.name = "PrintSystemUnreachable",
                                     .printer = State::Unreachable},
                        DeliveryCase{.name = "JobFails", .jobFails = true},
                        DeliveryCase{.name = "NamesTaken",
                                     .printer = State::None,
                                     .taken = {{kSaved, "taken"}, {kTaken2, "taken"}},
                                     .printing = Printing::NoPrinter,
                                     .path = kSaved3,
                                     .files = {{kSaved3, kReport}}},
                        DeliveryCase{.name = "FolderUnusableAfterFailure",
                                     .jobFails = true,
                                     .folderUsable = false,
                                     .saving = Saving::FolderNotWritable,
                                     .path = "/docs",
                                     .files = {}},
                        DeliveryCase{.name = "FileCannotBeMade",
                                     .printer = State::None,
                                     .creationFails = true,
                                     .printing = Printing::NoPrinter,
                                     .saving = Saving::FileNotWritable,
                                     .files = {}},
                        DeliveryCase{.name = "PartialFileRemoved",
                                     .jobFails = true,
                                     .writingFails = true,
                                     .saving = Saving::FileNotWritable,
                                     .files = {}},
                        DeliveryCase{.name = "SavedAsXps",
                                     .printer = State::None,
                                     .kind = platform::FileKind::Xps,
                                     .printing = Printing::NoPrinter,
                                     .path = kSavedXps,
                                     .files = {{kSavedXps, kReport}}},
                        // The name is taken by a report of another kind: a .pdf does not block a
                        // .txt, but a .txt does.
                        DeliveryCase{.name = "SavedAsTextBesideOtherKinds",
                                     .jobFails = true,
                                     .taken = {{"/docs/Brannock-20260105-070809.txt", "taken"},
                                               {kTaken2, "taken"}},
                                     .kind = platform::FileKind::Text,
                                     .path = kSavedText2,
                                     .files = {{kSavedText2, kReport}}},
                        DeliveryCase{.name = "FolderUnusableForText",
                                     .printer = State::None,
                                     .folderUsable = false,
                                     .kind = platform::FileKind::Text,
                                     .printing = Printing::NoPrinter,
                                     .saving = Saving::FolderNotWritable,
                                     .path = "/docs",
                                     .files = {}}),
        RowName());

} // namespace
