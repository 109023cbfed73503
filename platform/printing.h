// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a platform gives the report's page layout and delivery: it measures text on the device
// it prints to, draws text pieces where the layout puts them, and provides the mechanics of
// printing and saving. Where the report goes, which file it becomes, how that file is named,
// where each line and piece stands, where a line too long is cut and when a page is full are
// decided by the core (adjustment/), the same on every platform; a platform only measures.
// Lengths are twips (1/1440 inch); positions count from the paper's top-left corner. All text
// is UTF-8.

#include "platform.h"

#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace platform {

// A font of the report: the face name the report asks for, and its size in points.
struct PrintFont
{
    std::string name;
    double points = 0;

    bool operator==(const PrintFont &) const = default;
};

// A font's vertical measures on the device.
struct FontMetrics
{
    double height = 0;      // ascent plus descent
    double ascent = 0;      // from the top of a line to its baseline
    double lineSpacing = 0; // from one line's top to the next one's
};

// The part of the paper that the device prints on.
struct PrintableArea
{
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// The least margin of a page drawn into a PDF or XPS file, which has no unprintable edge of its
// own: half an inch keeps the last line and the end of a long one clear of the paper's edge.
inline constexpr double fileMarginTwips = 720;

// A piece of text at its place on a page.
struct PlacedText
{
    double x = 0;        // left edge
    double baseline = 0; // y of the baseline
    PrintFont font;
    std::string text;
};

// Measures text as the device will draw it.
class PageMeasure
{
public:
    virtual ~PageMeasure() = default;
    // The advance width of `text` in `font`.
    virtual double advance(const PrintFont &font, const std::string &text) = 0;
    virtual FontMetrics metrics(const PrintFont &font) = 0;
    virtual PrintableArea printableArea() = 0;
    // How many code points from the start of `text`, which is wider than `width`, fit within it.
    virtual std::size_t fitting(const PrintFont &font, const std::string &text, double width) = 0;
};

// A device the laid-out report is drawn on, page by page: a print job or a file. The first
// page is begun when the canvas is made.
class PageCanvas : public PageMeasure
{
public:
    virtual void drawText(const PlacedText &piece) = 0;
    // Ends the current page and begins the next; false when the device refuses.
    virtual bool newPage() = 0;
    // Ends the document: a print job is handed to the printer, a file completed; false when
    // that fails. Nothing is drawn after it.
    virtual bool finish() = 0;
};

// A canvas of type Canvas made of `args`, or null where it did not open: where Canvas::isOpen is
// false, the printer cannot be reached or the file not written.
template<typename Canvas, typename... Args>
std::unique_ptr<PageCanvas> openCanvas(Args &&...args)
{
    auto canvas = std::make_unique<Canvas>(std::forward<Args>(args)...);
    if (!canvas->isOpen())
        return nullptr;
    return canvas;
}

// The default printer, as the print system knows it.
struct DefaultPrinter
{
    enum class State {
        Ready,       // accepting jobs, and not stopped: a job sent now will print
        NotReady,    // stopped, or refusing jobs
        None,        // the print system names no default printer
        Unreachable, // the print system itself cannot be reached
    };
    State state = State::None;
    std::string name;
};

// A local date and time, as the user's clock shows it.
struct LocalTime
{
    int year = 0;
    int month = 0; // 1 to 12
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

struct Folder
{
    std::string path; // as the user sees it
    bool usable = false;
};

enum class FileCreation {
    Created, // the file is new and empty, and this program made it
    Exists,  // a file of that name was there already and is left alone
    Failed,  // no file could be made there
};

// The platform's mechanics of printing and saving a report.
class ReportOutput
{
public:
    virtual ~ReportOutput() = default;
    virtual DefaultPrinter defaultPrinter() = 0;
    // A canvas for one job on `printer`, handed to it at finish; null when no job can begin.
    virtual std::unique_ptr<PageCanvas> printJob(const std::string &printer) = 0;
    virtual LocalTime now() = 0;
    // The user's documents folder, created if missing; unusable when it cannot be created or
    // written.
    virtual Folder documentsFolder() = 0;
    // The path of the file `name` in `folder`, as the user sees it.
    virtual std::string pathIn(const std::string &folder, const std::string &name) = 0;
    // Makes the file only if none of that name exists, so that nothing is overwritten.
    virtual FileCreation createNewFile(const std::string &path) = 0;
    // Whether the platform can write a report into a file of `kind` now: it has such a writer,
    // and the writer is ready. A text file needs only writeFile.
    virtual bool hasFileWriter(FileKind kind) = 0;
    // A canvas that draws the document into the file made by createNewFile, for a PDF or XPS
    // file; null when the file cannot be opened.
    virtual std::unique_ptr<PageCanvas> fileWriter(FileKind kind, const std::string &path) = 0;
    // Writes `content` as the whole file made by createNewFile; false when it is not all written.
    virtual bool writeFile(const std::string &path, const std::string &content) = 0;
    virtual void removeFile(const std::string &path) = 0;
};

// The mechanics of a platform that can only print, as a web page's browser: it has no documents
// folder and writes no file, so it never names one by the clock either.
class PrintOnlyOutput : public ReportOutput
{
public:
    LocalTime now() override { return {}; }
    Folder documentsFolder() override { return {}; }
    std::string pathIn(const std::string &, const std::string &name) override { return name; }
    FileCreation createNewFile(const std::string &) override { return FileCreation::Failed; }
    bool hasFileWriter(FileKind) override { return false; }
    std::unique_ptr<PageCanvas> fileWriter(FileKind, const std::string &) override
    {
        return nullptr;
    }
    bool writeFile(const std::string &, const std::string &) override { return false; }
    void removeFile(const std::string &) override {}
};

} // namespace platform
