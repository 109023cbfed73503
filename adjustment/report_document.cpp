// SPDX-License-Identifier: GPL-3.0-or-later
// The report recorded, then printed or saved, and what the user is told of it.

#include "report_document.h"

#include "text_file_page.h"
#include "texts.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <optional>

namespace adjustment {

namespace {

using platform::PrintOutcome;

// Far more reports than anyone saves in one second; past it something is wrong with the folder.
constexpr int maxSuffix = 1000;

// Lays the document out on the canvas and finishes it; false when the device fails. A canvas
// dropped unfinished abandons its document.
bool render(const std::vector<PrintOperation> &document, platform::PageCanvas &canvas)
{
    const std::vector<Page> pages = layOutPages(document, canvas);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !canvas.newPage())
            return false;
        for (const platform::PlacedText &piece : pages[i])
            canvas.drawText(piece);
    }
    return canvas.finish();
}

// One writer's attempt at a file of its kind under the first free name, and whether it was the
// writer that failed.
struct Attempt
{
    PrintOutcome outcome;
    bool writerFailed = false;
};

std::unique_ptr<platform::PageCanvas> fileWriter(platform::ReportOutput &output,
                                                 platform::FileKind kind, const std::string &path)
{
    if (kind == platform::FileKind::Text)
        return std::make_unique<TextFilePage>(output, path);
    return output.fileWriter(kind, path);
}

Attempt saveAs(const std::vector<PrintOperation> &document, platform::ReportOutput &output,
               PrintOutcome::Printing why, const std::string &folder,
               const platform::LocalTime &time, platform::FileKind kind)
{
    using Saving = PrintOutcome::Saving;
    for (int suffix = 1; suffix <= maxSuffix; ++suffix) {
        const std::string path = output.pathIn(folder, savedReportName(time, suffix, kind));
        switch (output.createNewFile(path)) {
        case platform::FileCreation::Exists:
            continue;
        case platform::FileCreation::Failed:
            return {{why, Saving::FileNotWritable, path, kind}};
        case platform::FileCreation::Created:
            break;
        }
        if (std::unique_ptr<platform::PageCanvas> file = fileWriter(output, kind, path)) {
            if (render(document, *file))
                return {{why, Saving::Saved, path, kind}};
        }
        // An empty or partial report must not pass for a saved one.
        output.removeFile(path);
        return {{why, Saving::FileNotWritable, path, kind}, true};
    }
    // No file was made: the outcome names the folder, not a name that was taken.
    return {{why, Saving::NoFreeName, folder, kind}};
}

PrintOutcome save(const std::vector<PrintOperation> &document, platform::ReportOutput &output,
                  PrintOutcome::Printing why)
{
    using Saving = PrintOutcome::Saving;
    using platform::FileKind;
    // The first writer the platform has ready; the text file when it has none.
    const auto first
            = std::find_if(fileWriterOrder.begin(), fileWriterOrder.end(),
                           [&output](FileKind kind) { return output.hasFileWriter(kind); });
    const FileKind kind = first == fileWriterOrder.end() ? FileKind::Text : *first;
    const platform::Folder folder = output.documentsFolder();
    // A folder without a path is no folder: a file named in it would land wherever the program
    // happens to run.
    if (!folder.usable || folder.path.empty())
        return {why, Saving::FolderNotWritable, folder.path, kind};
    const platform::LocalTime time = output.now();
    const Attempt attempt = saveAs(document, output, why, folder.path, time, kind);
    // A printer that did not write its file whole gives way to the text file, with no printer
    // between it and the disk, under a name of its kind.
    if (attempt.writerFailed && kind != FileKind::Text && output.hasFileWriter(FileKind::Text))
        return saveAs(document, output, why, folder.path, time, FileKind::Text).outcome;
    return attempt.outcome;
}

// What the user is told of a saved report, or of one that could not be saved, by file kind.
struct SavingTexts
{
    std::string_view savedNoPrinter;
    std::string_view savedAfterFailure;
    std::string_view notSavedNoPrinter;
    std::string_view notSavedAfterFailure;
};

SavingTexts savingTexts(platform::FileKind kind)
{
    switch (kind) {
    case platform::FileKind::Xps:
        return {texts::SavedNoPrinterXps, texts::SavedAfterFailureXps, texts::NotSavedNoPrinterXps,
                texts::NotSavedAfterFailureXps};
    case platform::FileKind::Text:
        return {texts::SavedNoPrinterText, texts::SavedAfterFailureText,
                texts::NotSavedNoPrinterText, texts::NotSavedAfterFailureText};
    case platform::FileKind::Pdf:
        break;
    }
    return {texts::SavedNoPrinter, texts::SavedAfterFailure, texts::NotSavedNoPrinter,
            texts::NotSavedAfterFailure};
}

// Two digits, zero first: 7 → "07".
std::string twoDigits(int value)
{
    return {static_cast<char>('0' + value / 10 % 10), static_cast<char>('0' + value % 10)};
}

} // namespace

ReportDocument::ReportDocument(platform::ReportOutput &output)
    : m_output(output)
{}

void ReportDocument::setPosition(int xTwips, int yTwips)
{
    m_operations.push_back({PrintOperation::Kind::Position, xTwips, yTwips, 0, {}, {}});
}

void ReportDocument::setFontName(const std::string &name)
{
    m_operations.push_back({PrintOperation::Kind::FontName, 0, 0, 0, name, {}});
}

void ReportDocument::setFontSize(double points)
{
    m_operations.push_back({PrintOperation::Kind::FontSize, 0, 0, points, {}, {}});
}

void ReportDocument::printLine(std::optional<int> column, const std::vector<std::string> &items)
{
    std::string text;
    for (const std::string &item : items)
        text += item;
    m_operations.push_back({PrintOperation::Kind::Line, 0, 0, 0, std::move(text), column});
}

void ReportDocument::printEmptyLine()
{
    m_operations.push_back({PrintOperation::Kind::EmptyLine, 0, 0, 0, {}, {}});
}

PrintOutcome ReportDocument::endDocument()
{
    const PrintOutcome outcome = deliverReport(m_operations, m_output);
    m_operations.clear();
    return outcome;
}

PrintOutcome deliverReport(const std::vector<PrintOperation> &document,
                           platform::ReportOutput &output)
{
    using State = platform::DefaultPrinter::State;
    const platform::DefaultPrinter printer = output.defaultPrinter();
    switch (printer.state) {
    case State::Ready:
        if (std::unique_ptr<platform::PageCanvas> job = output.printJob(printer.name)) {
            if (render(document, *job))
                return {};
        }
        break;
    case State::None:
        return save(document, output, PrintOutcome::Printing::NoPrinter);
    case State::NotReady: // a stopped printer would hold the job until someone resumes it
    case State::Unreachable:
        break;
    }
    return save(document, output, PrintOutcome::Printing::Failed);
}

std::string savedReportName(const platform::LocalTime &time, int suffix, platform::FileKind kind)
{
    std::string name = "Brannock-" + std::to_string(time.year) + twoDigits(time.month)
                       + twoDigits(time.day) + "-" + twoDigits(time.hour) + twoDigits(time.minute)
                       + twoDigits(time.second);
    if (suffix > 1)
        name += "-" + std::to_string(suffix);
    switch (kind) {
    case platform::FileKind::Xps:
        return name + ".xps";
    case platform::FileKind::Text:
        return name + ".txt";
    case platform::FileKind::Pdf:
        break;
    }
    return name + ".pdf";
}

std::string outcomeMessage(const PrintOutcome &outcome)
{
    using Saving = PrintOutcome::Saving;
    if (outcome.printing == PrintOutcome::Printing::Printed)
        return {};
    const bool noPrinter = outcome.printing == PrintOutcome::Printing::NoPrinter;
    const SavingTexts said = savingTexts(outcome.kind);
    const std::string_view notSaved
            = noPrinter ? said.notSavedNoPrinter : said.notSavedAfterFailure;
    switch (outcome.saving) {
    case Saving::NotNeeded:
    case Saving::Saved:
        break;
    case Saving::FolderNotWritable:
        if (outcome.path.empty())
            return std::string(notSaved) + "\n" + std::string(texts::DocumentsFolderNotFound);
        return std::string(notSaved) + "\n" + std::string(texts::FolderNotWritable) + outcome.path;
    case Saving::FileNotWritable:
        return std::string(notSaved) + "\n" + std::string(texts::FileNotWritable) + outcome.path;
    case Saving::NoFreeName:
        return std::string(notSaved) + "\n" + std::string(texts::NoFreeName) + outcome.path;
    }
    return std::string(noPrinter ? said.savedNoPrinter : said.savedAfterFailure) + "\n"
           + outcome.path;
}

} // namespace adjustment
