// SPDX-License-Identifier: GPL-3.0-or-later
// The report of a 9,999-point route rendered to PDF. By default through the program's printer
// surface: adjustment::printReport into the report document on platform::qt::QtReportOutput, which,
// with no print queue, saves the PDF in the documents folder (the driver points HOME at a temporary
// folder and CUPS_SERVER at no scheduler). With --floor, Qt's floor: the same lines drawn straight
// into a PDF QPrinter with one QPainter, one font and one set of metrics. Prints the time, the
// growth of the peak memory while rendering, the file's size and the number of lines.

#include "probe.h"

#include "adjustment_result.h"
#include "fonts.h"
#include "qt_printer_surface.h"
#include "report.h"
#include "report_document.h"
#include "routes.h"

#include <QApplication>
#include <QDir>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <sys/resource.h>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr long points = 9'999;

// Peak resident memory of this process so far, in KiB.
long peakKib()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Keeps the report's lines, for the floor to draw.
class LineRecorder final : public platform::PrinterSurface
{
public:
    struct Line
    {
        std::optional<int> column;
        QString text; // empty for an empty line
    };
    std::vector<Line> lines;
    std::string fontName;
    double fontPoints = 12;

    void setPosition(int, int) override {}
    void setFontName(const std::string &name) override { fontName = name; }
    void setFontSize(double size) override { fontPoints = size; }
    void printLine(std::optional<int> column, const std::vector<std::string> &items) override
    {
        QString text;
        for (const std::string &item : items)
            text += QString::fromStdString(item);
        lines.push_back({column, text});
    }
    void printEmptyLine() override { lines.push_back({{}, {}}); }
    platform::PrintOutcome endDocument() override { return {}; }
};

// Draws the lines top to bottom in one font, a new page when the next line would not fit.
void drawFloor(const LineRecorder &recorded, const QString &path)
{
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(path);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(36, 36, 36, 36), QPageLayout::Point);
    QPainter painter(&pdf);
    const QFont font = platform::qt::fontFor(QString::fromStdString(recorded.fontName),
                                             qRound(recorded.fontPoints * 20), false);
    painter.scale(pdf.resolution() / 1440.0, pdf.resolution() / 1440.0);
    painter.setFont(font);
    const QFontMetricsF metrics(font, &pdf);
    const double bottom = pdf.pageLayout().paintRect(QPageLayout::Point).bottom() * 20;
    const double zero = metrics.horizontalAdvance(QLatin1Char('0'));
    double y = 1000;
    for (const auto &line : recorded.lines) {
        if (y + metrics.height() > bottom) {
            pdf.newPage();
            y = 1000;
        }
        if (!line.text.isEmpty())
            painter.drawText(
                    QPointF(line.column ? (*line.column - 1) * zero : 0, y + metrics.ascent()),
                    line.text);
        y += metrics.lineSpacing();
    }
    painter.end();
}

} // namespace

int main(int argc, char *argv[])
{
    const bool floor = argc > 1 && std::string_view(argv[1]) == "--floor";
    QApplication app(argc, argv);
    bench::setUpLikeTheProgram();

    const adjustment::LevelingRoute route = kit::bigLevelingRoute(points);
    const adjustment::AdjustmentResult result = adjustment::computeAdjustment(route);
    LineRecorder recorded;
    adjustment::printReport(recorded, route, result);

    std::string path;
    const long peakBefore = peakKib();
    const std::int64_t start = bench::monotonicNs();
    if (floor) {
        path = QDir::home().filePath(QStringLiteral("floor.pdf")).toStdString();
        drawFloor(recorded, QString::fromStdString(path));
    } else {
        platform::qt::QtReportOutput output;
        adjustment::ReportDocument document(output);
        const platform::PrintOutcome outcome = adjustment::printReport(document, route, result);
        if (outcome.printing != platform::PrintOutcome::Printing::NoPrinter
            || outcome.saving != platform::PrintOutcome::Saving::Saved) {
            std::fputs("the report was not saved as a PDF for want of a printer\n", stderr);
            return 1;
        }
        path = outcome.path;
    }
    const std::int64_t elapsed = bench::monotonicNs() - start;
    const long peakAfter = peakKib();

    std::error_code error;
    const auto bytes = std::filesystem::file_size(path, error);
    if (error) {
        std::fputs("no PDF written\n", stderr);
        return 1;
    }
    std::filesystem::remove(path, error);
    bench::report("render_ns", elapsed);
    bench::report("peak_growth_kib", peakAfter - peakBefore);
    bench::report("file_bytes", static_cast<std::int64_t>(bytes));
    bench::report("lines", static_cast<std::int64_t>(recorded.lines.size()));
    std::fflush(stdout);
    return 0;
}
