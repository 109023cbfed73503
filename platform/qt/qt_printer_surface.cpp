// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt_printer_surface.h"

#include "fonts.h"
#include "print_queues.h"
#include "text.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTextLayout>
#include <QtDebug>

namespace platform::qt {

namespace {

constexpr double twipsPerInch = 1440.0;
constexpr double twipsPerPoint = 20.0;
// Where printing goes on after a page break.
constexpr double topOfNewPageTwips = 1000.0;
// The report's font until the run names one.
QString defaultFontName()
{
    return QStringLiteral("宋体");
}
constexpr double defaultFontPoints = 12.0;
// A PDF has no hardware margins; half an inch keeps the last line clear of the paper's edge.
constexpr double pdfMarginPoints = 36.0;
// Device units per inch of the PDF, as a high-resolution printer gives.
constexpr int pdfResolution = 1200;

// A font sized in twips: the painter draws in twips, so a pixel of this font is a twip.
QFont printFont(const QString &name, double points)
{
    return fontFor(name, qRound(points * twipsPerPoint), false);
}

// The folder for saved reports, created if missing; empty when it cannot be used.
QString reportFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder) || !QFileInfo(folder).isWritable())
        return {};
    return folder;
}

// A line too long for `width` twips cut into pieces that fit, one per printed line: at a blank
// or between Han characters where possible, else between graphemes. Each piece holds at least
// one grapheme, so a line that starts past the edge still comes to an end.
QStringList linePieces(const QString &text, double width, const QFont &font, QPaintDevice *device)
{
    QTextLayout layout(text, font, device);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList pieces;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        pieces << text.mid(line.textStart(), line.textLength());
    }
    layout.endLayout();
    return pieces;
}

} // namespace

void QtPrinterSurface::setPosition(int xTwips, int yTwips)
{
    m_operations.push_back({Operation::Kind::Position, xTwips, yTwips, 0, {}, {}});
}

void QtPrinterSurface::setFontName(const std::string &name)
{
    m_operations.push_back({Operation::Kind::FontName, 0, 0, 0, toQString(name), {}});
}

void QtPrinterSurface::setFontSize(double points)
{
    m_operations.push_back({Operation::Kind::FontSize, 0, 0, points, {}, {}});
}

void QtPrinterSurface::printLine(std::optional<int> column, const std::vector<std::string> &items)
{
    QString text;
    for (const std::string &item : items)
        text += toQString(item);
    m_operations.push_back({Operation::Kind::Line, 0, 0, 0, text, column});
}

void QtPrinterSurface::printEmptyLine()
{
    m_operations.push_back({Operation::Kind::EmptyLine, 0, 0, 0, {}, {}});
}

bool QtPrinterSurface::writePdf(const QString &path, const QPageSize &paper) const
{
    QPdfWriter pdf(path);
    pdf.setResolution(pdfResolution);
    pdf.setTitle(QStringLiteral("Brannock"));
    pdf.setCreator(QStringLiteral("Brannock"));
    const QPageLayout layout(
            paper.isValid() ? paper : QPageSize(QPageSize::A4), QPageLayout::Portrait,
            QMarginsF(pdfMarginPoints, pdfMarginPoints, pdfMarginPoints, pdfMarginPoints),
            QPageLayout::Point);
    // The printable right and bottom come from the page's margins; then the origin moves to the
    // paper's corner, since positions count from there.
    const double printableRight = layout.paintRect(QPageLayout::Point).right() * twipsPerPoint;
    const double printableBottom = layout.paintRect(QPageLayout::Point).bottom() * twipsPerPoint;
    QPageLayout fullPage = layout;
    fullPage.setMode(QPageLayout::FullPageMode);
    if (!pdf.setPageLayout(fullPage))
        return false;

    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    const double devicePerTwip = pdf.resolution() / twipsPerInch;
    painter.scale(devicePerTwip, devicePerTwip);
    painter.setPen(Qt::black);

    QString fontName = defaultFontName();
    double fontPoints = defaultFontPoints;
    QFont font = printFont(fontName, fontPoints);
    painter.setFont(font);
    double x = 0;
    double y = 0;
    QFontMetricsF metrics(font, &pdf);
    bool ok = true;
    for (const Operation &operation : m_operations) {
        switch (operation.kind) {
        case Operation::Kind::Position:
            x = operation.x;
            y = operation.y;
            break;
        case Operation::Kind::FontName:
        case Operation::Kind::FontSize:
            if (operation.kind == Operation::Kind::FontName)
                fontName = operation.text;
            else
                fontPoints = operation.points;
            font = printFont(fontName, fontPoints);
            metrics = QFontMetricsF(font, &pdf);
            painter.setFont(font);
            break;
        case Operation::Kind::Line: {
            if (operation.column)
                x = (*operation.column - 1) * metrics.horizontalAdvance(QLatin1Char('0'));
            // A line too long for the paper goes on at the same x on the lines below.
            const double width = printableRight - x;
            const QStringList pieces = metrics.horizontalAdvance(operation.text) <= width
                                               ? QStringList(operation.text)
                                               : linePieces(operation.text, width, font, &pdf);
            for (const QString &piece : pieces) {
                if (y + metrics.height() > printableBottom && y > topOfNewPageTwips) {
                    if (!pdf.newPage()) {
                        ok = false;
                        break;
                    }
                    y = topOfNewPageTwips;
                }
                painter.drawText(QPointF(x, y + metrics.ascent()), piece);
                y += metrics.lineSpacing();
            }
            x = 0;
            break;
        }
        case Operation::Kind::EmptyLine:
            x = 0;
            y += metrics.lineSpacing();
            break;
        }
        if (!ok)
            break;
    }
    return painter.end() && ok;
}

PrintOutcome QtPrinterSurface::saveAsPdf(PrintOutcome::Status savedStatus) const
{
    const QString folder = reportFolder();
    if (folder.isEmpty()) {
        return {PrintOutcome::Status::FolderNotWritable,
                toStdString(QDir::toNativeSeparators(
                        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)))};
    }
    // The name is claimed by creating the file, so an existing report is never overwritten.
    const QString stem = QStringLiteral("Brannock-")
                         + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString path;
    for (int suffix = 1;; ++suffix) {
        path = QDir(folder).filePath(
                stem + (suffix == 1 ? QString() : QLatin1Char('-') + QString::number(suffix))
                + QStringLiteral(".pdf"));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            break;
        if (!file.exists())
            return {PrintOutcome::Status::FileNotWritable,
                    toStdString(QDir::toNativeSeparators(path))};
    }

    if (!writePdf(path, QPageSize(QPageSize::A4))) {
        QFile::remove(path); // an empty or partial report must not pass for a saved one
        return {PrintOutcome::Status::FileNotWritable, toStdString(QDir::toNativeSeparators(path))};
    }
    return {savedStatus, toStdString(QDir::toNativeSeparators(path))};
}

PrintOutcome QtPrinterSurface::printOnDefaultQueue() const
{
    QString error;
    PrintQueueSystem *printSystem = loadPrintQueueSystem(&error);
    if (!printSystem) {
        // Without the print system the report is not lost: it is saved, and the user told.
        qWarning().noquote() << "Brannock: cannot reach the print system:" << error;
        return saveAsPdf(PrintOutcome::Status::SavedAfterFailure);
    }
    const std::optional<PrintQueue> queue = printSystem->defaultQueue();
    if (!queue)
        return saveAsPdf(PrintOutcome::Status::SavedNoPrinter);
    // A stopped queue would hold the job until someone resumes it; a rejecting one refuses it.
    if (!queue->ready)
        return saveAsPdf(PrintOutcome::Status::SavedAfterFailure);

    // The job is the document as a PDF on the queue's paper; the scheduler's filters print it.
    QTemporaryFile job(QDir(QDir::tempPath()).filePath(QStringLiteral("brannock-XXXXXX.pdf")));
    if (!job.open())
        return saveAsPdf(PrintOutcome::Status::SavedAfterFailure);
    job.close();
    if (!writePdf(job.fileName(), printSystem->defaultPaper(queue->name))
        || !printSystem->submitPdf(queue->name, job.fileName(), QStringLiteral("Brannock")))
        return saveAsPdf(PrintOutcome::Status::SavedAfterFailure);
    return {};
}

PrintOutcome QtPrinterSurface::endDocument()
{
    const PrintOutcome outcome = printOnDefaultQueue();
    m_operations.clear();
    return outcome;
}

} // namespace platform::qt
