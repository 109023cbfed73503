// SPDX-License-Identifier: GPL-3.0-or-later
// The report's page and where it goes, on a fixed-width device with no fonts, files or printer,
// and the start button that runs it.

#include "line_break.h"
#include "page_layout.h"
#include "report_document.h"
#include "run.h"
#include "scripted_platform.h"

#include "row_name.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using adjustment::PrintOperation;
using platform::PrintFont;
using platform::PrintOutcome;
using Kind = PrintOperation::Kind;
using Files = std::map<std::string, std::string>;

// Every character is points × 10 twips wide; a line is points × 20 high with its baseline
// points × 16 down, and the next line points × 25 down. What was drawn goes to `*out` when the
// document is finished.
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
    std::size_t fitting(const PrintFont &font, const std::string &text, double width) override
    {
        return std::min(text.size(), static_cast<std::size_t>(width / (font.points * 10)));
    }
    // "x,baseline text", and the font's name when it is not the report's.
    void drawText(const platform::PlacedText &piece) override
    {
        m_drawn += (m_drawn.empty() || m_drawn.back() == ' ' ? "" : "; ")
                   + std::to_string(int(piece.x)) + "," + std::to_string(int(piece.baseline)) + " "
                   + (piece.font.name == "宋体" ? "" : piece.font.name + ":") + piece.text;
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
const PrintOperation kEmptyLine{Kind::EmptyLine, 0, 0, 0, {}, {}};

struct LayoutCase
{
    const char *name;
    platform::PrintableArea area;
    std::vector<PrintOperation> document;
    std::string pages; // the pieces as FixedWidthCanvas draws them, "|" between pages
};

class PageLayout : public testing::TestWithParam<LayoutCase>
{};

TEST_P(PageLayout, PlacesEveryPieceByColumnLineAndPage)
{
    std::string drawn;
    FixedWidthCanvas canvas(GetParam().area, &drawn);
    const std::vector<adjustment::Page> pages
            = adjustment::layOutPages(GetParam().document, canvas);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0)
            canvas.newPage();
        for (const platform::PlacedText &piece : pages[i])
            canvas.drawText(piece);
    }
    canvas.finish();
    EXPECT_EQ(drawn, GetParam().pages);
}

INSTANTIATE_TEST_SUITE_P(
        Report, PageLayout,
        testing::Values(
                // 10 pt: columns of 100, baseline 160 down, lines 250 apart; 12 pt before.
                LayoutCase{"ColumnsCountFromThePaperEdge",
                           {0, 0, 9000, 9000},
                           {position(2000, 1000), line({}, "t"), size(10), line(23, "ab"),
                            line({}, "cd"), kEmptyLine, line(2, "e")},
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

struct CutCase
{
    const char *name;
    std::string text; // UTF-8
    std::size_t fits; // code points
    std::vector<std::string> pieces;
};

class LineBreak : public testing::TestWithParam<CutCase>
{};

// Every piece's first `fits` code points fit, as a device with one width for every character.
TEST_P(LineBreak, PrefersBlanksAndHanAndNeverSplitsACharacter)
{
    const CutCase &c = GetParam();
    const auto fits = [&c](std::string_view rest) {
        return std::min(c.fits, platform::codePoints(rest));
    };
    EXPECT_EQ(platform::breakLine(c.text, fits), c.pieces);
}

INSTANTIATE_TEST_SUITE_P(
        Report, LineBreak,
        testing::Values(
                CutCase{"AfterLastBlank", "ab cd ef", 4, {"ab ", "cd ", "ef"}},
                CutCase{"BlanksAfterWhatFitsGoAlong", "ab cd  ef", 5, {"ab cd  ", "ef"}},
                CutCase{"BetweenHan", "高程高AB", 4, {"高程", "高AB"}},
                CutCase{"IdeographicBlank", "水准\u3000点名称", 3, {"水准\u3000", "点名称"}},
                CutCase{"AnAstralCharacterIsOne", "a\U0001F600b", 1, {"a", "\U0001F600", "b"}},
                CutCase{"AWholeAstralCharacterWhenNoneFits", "\U0001F600b", 0, {"\U0001F600", "b"}},
                CutCase{"WiderThanTheMeasuredWindow",
                        std::string(600, 'a'),
                        300,
                        {std::string(300, 'a'), std::string(300, 'a')}},
                CutCase{"InvalidBytesKept",
                        "a\xFF\xFE"
                        "b",
                        2,
                        {"a\xFF", "\xFE"
                                  "b"}}),
        RowName());

// A device that measures UTF-16 says how much fits in code points; half a pair is no character.
TEST(LineBreak, CountsCodePointsInUtf16Units)
{
    const std::u16string text = u"a\U0001F600b";
    std::vector<std::size_t> counts;
    for (std::size_t units = 1; units <= text.size(); ++units)
        counts.push_back(platform::codePointsIn(text.data(), units));
    EXPECT_EQ(counts, (std::vector<std::size_t>{1, 1, 2, 3}));
}

// What goes wrong in a delivery, combined as bits.
enum Fault : unsigned {
    NoFault = 0,
    JobFails = 1,
    FolderUnusable = 2,
    NamesTaken = 4, // the report's name and its first suffix
    CreationFails = 8,
    WritingFails = 16,
    PdfFails = 32,        // the PDF or XPS printer fails; a text file's writer is next
    FolderUnnamed = 64,   // the platform names a usable folder without a path
    EveryNameTaken = 128, // every name with every suffix
};

// A report output with a fixed clock, a documents folder in memory, and the faults asked for.
class FakeOutput final : public platform::ReportOutput
{
public:
    FakeOutput(platform::DefaultPrinter::State state, unsigned faults,
               std::vector<platform::FileKind> writers)
        : m_state(state)
        , m_faults(faults)
        , m_writers(std::move(writers))
    {}
    Files files; // path → what was drawn into it
    std::string printed;
    int jobs = 0;

    platform::DefaultPrinter defaultPrinter() override { return {m_state, "Queue"}; }
    std::unique_ptr<platform::PageCanvas> printJob(const std::string &) override
    {
        ++jobs;
        return std::make_unique<FixedWidthCanvas>(m_area, &printed, m_faults & JobFails);
    }
    platform::LocalTime now() override { return {2026, 1, 5, 7, 8, 9}; }
    platform::Folder documentsFolder() override
    {
        return {m_faults & FolderUnnamed ? "" : "/docs", !(m_faults & FolderUnusable)};
    }
    std::string pathIn(const std::string &folder, const std::string &name) override
    {
        return folder + "/" + name;
    }
    platform::FileCreation createNewFile(const std::string &path) override
    {
        if (m_faults & CreationFails)
            return platform::FileCreation::Failed;
        if (m_faults & EveryNameTaken)
            return platform::FileCreation::Exists;
        return files.emplace(path, "").second ? platform::FileCreation::Created
                                              : platform::FileCreation::Exists;
    }
    bool hasFileWriter(platform::FileKind kind) override
    {
        return std::find(m_writers.begin(), m_writers.end(), kind) != m_writers.end();
    }
    std::unique_ptr<platform::PageCanvas> fileWriter(platform::FileKind kind,
                                                     const std::string &path) override
    {
        EXPECT_TRUE(hasFileWriter(kind) && kind != platform::FileKind::Text);
        const bool fails = m_faults & (WritingFails | PdfFails);
        return std::make_unique<FixedWidthCanvas>(m_area, &files[path], fails);
    }
    bool writeFile(const std::string &path, const std::string &content) override
    {
        EXPECT_TRUE(hasFileWriter(platform::FileKind::Text));
        if (m_faults & WritingFails)
            return false;
        files[path] = content;
        return true;
    }
    void removeFile(const std::string &path) override { files.erase(path); }

private:
    platform::DefaultPrinter::State m_state;
    unsigned m_faults;
    std::vector<platform::FileKind> m_writers;
    platform::PrintableArea m_area{0, 0, 9000, 9000};
};

using platform::FileKind;
using State = platform::DefaultPrinter::State;
using Printing = PrintOutcome::Printing;
using Saving = PrintOutcome::Saving;
const std::string kStem = "/docs/Brannock-20260105-070809";
const std::string kSaved = kStem + ".pdf";
const Files kTaken = {{kSaved, "taken"}, {kStem + "-2.pdf", "taken"}};
// The file writers a platform may have.
const std::vector<FileKind> kEveryWriter = {FileKind::Pdf, FileKind::Xps, FileKind::Text};
const std::vector<FileKind> kPdfOnly = {FileKind::Pdf};
const std::vector<FileKind> kXpsAndText = {FileKind::Xps, FileKind::Text};
const std::vector<FileKind> kTextOnly = {FileKind::Text};

struct DeliveryCase
{
    const char *name;
    State printer;
    unsigned faults;
    Printing printing;
    Saving saving;
    std::string path;
    FileKind kind = FileKind::Pdf; // of the outcome
    std::vector<FileKind> writers = kEveryWriter;
};

class Delivery : public testing::TestWithParam<DeliveryCase>
{};

TEST_P(Delivery, PrintsOrSavesANewFileAndSaysWhy)
{
    const DeliveryCase &c = GetParam();
    FakeOutput output(c.printer, c.faults, c.writers);
    if (c.faults & NamesTaken)
        output.files = kTaken;

    const PrintOutcome outcome
            = adjustment::deliverReport({position(2000, 1000), line(30, "Tarnovel")}, output);
    EXPECT_EQ(outcome.printing, c.printing);
    EXPECT_EQ(outcome.saving, c.saving);
    EXPECT_EQ(outcome.path, c.path);
    EXPECT_EQ(outcome.kind, c.kind);
    // A printer that is not ready gets no job: it would come out later as well.
    EXPECT_EQ(output.jobs, c.printer == State::Ready ? 1 : 0);
    const std::string report = "3480,1192 Tarnovel";
    EXPECT_EQ(output.printed, c.printing == Printing::Printed ? report : "");
    // The saved report alone is added; a file that could not be written whole is removed.
    Files files = c.faults & NamesTaken ? kTaken : Files{};
    // A text file's columns are blanks, 120 twips each: 3480 twips are 29.
    if (c.saving == Saving::Saved)
        files[c.path] = c.kind == FileKind::Text
                                ? "\xEF\xBB\xBF" + std::string(29, ' ') + "Tarnovel\r\n"
                                : report;
    EXPECT_EQ(output.files, files);
}

INSTANTIATE_TEST_SUITE_P(
        Report, Delivery,
        testing::Values(DeliveryCase{"Printed", State::Ready, NoFault, Printing::Printed,
                                     Saving::NotNeeded, ""},
                        DeliveryCase{"NoPrinter", State::None, NoFault, Printing::NoPrinter,
                                     Saving::Saved, kSaved},
                        DeliveryCase{"PrinterNotReady", State::NotReady, NoFault, Printing::Failed,
                                     Saving::Saved, kSaved},
                        DeliveryCase{"JobFails", State::Ready, JobFails, Printing::Failed,
                                     Saving::Saved, kSaved},
                        DeliveryCase{"NamesTaken", State::None, NamesTaken, Printing::NoPrinter,
                                     Saving::Saved, kStem + "-3.pdf"},
                        DeliveryCase{"FolderUnusableAfterFailure", State::Unreachable,
                                     FolderUnusable, Printing::Failed, Saving::FolderNotWritable,
                                     "/docs"},
                        DeliveryCase{"FileCannotBeMade", State::None, CreationFails,
                                     Printing::NoPrinter, Saving::FileNotWritable, kSaved},
                        DeliveryCase{"PartialFileRemoved", State::Ready, JobFails | WritingFails,
                                     Printing::Failed, Saving::FileNotWritable, kSaved,
                                     FileKind::Pdf, kPdfOnly},
                        DeliveryCase{"SavedAsXps", State::None, NoFault, Printing::NoPrinter,
                                     Saving::Saved, kStem + ".xps", FileKind::Xps, kXpsAndText},
                        // Names taken by reports of another kind do not block a text file's.
                        DeliveryCase{"SavedAsTextBesidePdfs", State::Ready, JobFails | NamesTaken,
                                     Printing::Failed, Saving::Saved, kStem + ".txt",
                                     FileKind::Text, kTextOnly},
                        // A PDF that its writer never completes is removed; the text file's writer
                        // comes next, not the XPS printer, under a name of its own kind.
                        DeliveryCase{"PdfFailsTextSaved", State::None, PdfFails | NamesTaken,
                                     Printing::NoPrinter, Saving::Saved, kStem + ".txt",
                                     FileKind::Text},
                        DeliveryCase{"EveryWriterFails", State::None, PdfFails | WritingFails,
                                     Printing::NoPrinter, Saving::FileNotWritable, kStem + ".txt",
                                     FileKind::Text},
                        // No file was made: the outcome names the folder, not a taken name.
                        DeliveryCase{"EveryNameTaken", State::None, EveryNameTaken,
                                     Printing::NoPrinter, Saving::NoFreeName, "/docs"},
                        DeliveryCase{"FolderWithoutAPath", State::Unreachable, FolderUnnamed,
                                     Printing::Failed, Saving::FolderNotWritable, ""}),
        RowName());

// The start button: no run inside a run, and a run that the program ends is dropped.
TEST(RunStarter, StartsNoRunInsideARunAndDropsOneTheProgramEnds)
{
    platform::ScriptedPlatform scripted;
    FakeOutput output(State::None, NoFault, kTextOnly);
    adjustment::RunStarter starter;
    int boxes = 0;
    scripted.setResponder([&](const std::string &) -> std::string {
        if (++boxes == 1)
            starter.start(scripted, scripted, output); // clicked again while the box is open
        throw platform::ProgramEnding();
    });
    starter.start(scripted, scripted, output);
    EXPECT_EQ(boxes, 1);
    starter.start(scripted, scripted, output);
    EXPECT_EQ(boxes, 2) << "the next click starts a run";
    EXPECT_TRUE(output.files.empty());
}

} // namespace
