// SPDX-License-Identifier: GPL-3.0-or-later
// The report measured and drawn as a PDF with Qt, printed on the default queue through the print
// plugin, loaded on first use, or saved.

#include "qt_printer_surface.h"

#include "fonts.h"
#include "line_break.h"
#include "text.h"
#include "texts.h"
#include "units.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPluginLoader>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTextLayout>
#include <QtDebug>

#include <functional>
#include <optional>

namespace platform::qt {

namespace {

constexpr double twipsPerInch = design::twipsPerInch;
constexpr double twipsPerPoint = design::twipsPerPoint;
// A PDF has no hardware margins: the margin of a saved report (half an inch), as the Windows
// program's saved PDF and XPS have too.
constexpr double pdfMarginPoints = fileMarginTwips / twipsPerPoint;
// Device units per inch of the PDF, as a high-resolution printer gives.
constexpr int pdfResolution = 1200;

// A PDF drawn in twips: the painter is scaled so that a unit is a twip, and fonts are sized in
// twips, so that a pixel of a font is a twip too.
class PdfCanvas final : public PageCanvas
{
public:
    // Called with the file's path once it is complete; its answer is finish's.
    using Delivery = std::function<bool(const QString &path)>;

    // A PDF at `path` on `paper` (A4 when invalid); see isOpen.
    PdfCanvas(const QString &path, const QPageSize &paper, Delivery delivery = {})
        : m_pdf(path)
        , m_path(path)
        , m_delivery(std::move(delivery))
    {
        m_pdf.setResolution(pdfResolution);
        m_pdf.setTitle(toQString(adjustment::texts::ProgramName));
        m_pdf.setCreator(toQString(adjustment::texts::ProgramName));
        const QPageLayout layout(
                paper.isValid() ? paper : QPageSize(QPageSize::A4), QPageLayout::Portrait,
                QMarginsF(pdfMarginPoints, pdfMarginPoints, pdfMarginPoints, pdfMarginPoints),
                QPageLayout::Point);
        const QRectF printable = layout.paintRect(QPageLayout::Point);
        m_area = {printable.left() * twipsPerPoint, printable.top() * twipsPerPoint,
                  printable.right() * twipsPerPoint, printable.bottom() * twipsPerPoint};
        // The printable area comes from the page's margins; then the origin moves to the
        // paper's corner, since positions count from there.
        QPageLayout fullPage = layout;
        fullPage.setMode(QPageLayout::FullPageMode);
        if (!m_pdf.setPageLayout(fullPage) || !m_painter.begin(&m_pdf))
            return;
        const double devicePerTwip = m_pdf.resolution() / twipsPerInch;
        m_painter.scale(devicePerTwip, devicePerTwip);
        m_painter.setPen(Qt::black);
    }

    // False when the file cannot be written or the first page cannot begin.
    bool isOpen() const { return m_painter.isActive(); }

    double advance(const PrintFont &font, const std::string &text) override
    {
        return use(font).metrics.horizontalAdvance(toQString(text));
    }

    FontMetrics metrics(const PrintFont &font) override
    {
        const QFontMetricsF &metrics = use(font).metrics;
        return {metrics.height(), metrics.ascent(), metrics.lineSpacing()};
    }

    PrintableArea printableArea() override { return m_area; }

    std::size_t fitting(const PrintFont &font, const std::string &text, double width) override
    {
        // The first line of a layout that may wrap anywhere is what fits; it keeps a grapheme
        // whole.
        const QString line = toQString(text);
        QTextLayout layout(line, use(font).font, &m_pdf);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        QTextLine first = layout.createLine();
        int units = 0;
        if (first.isValid()) {
            first.setLineWidth(width);
            units = first.textLength();
        }
        layout.endLayout();
        return codePointsIn(line.utf16(), static_cast<std::size_t>(units));
    }

    void drawText(const PlacedText &piece) override
    {
        const Font &font = use(piece.font);
        if (m_painter.font() != font.font)
            m_painter.setFont(font.font);
        m_painter.drawText(QPointF(piece.x, piece.baseline), toQString(piece.text));
    }

    bool newPage() override { return m_pdf.newPage(); }

    bool finish() override
    {
        if (!m_painter.end())
            return false;
        return !m_delivery || m_delivery(m_path);
    }

private:
    struct Font
    {
        QFont font;
        QFontMetricsF metrics;
    };

    // The Qt font for `font`, made anew only when the report changes its font.
    const Font &use(const PrintFont &font)
    {
        if (!m_font || m_fontKey != font) {
            const QFont qtFont
                    = fontFor(toQString(font.name), qRound(font.points * twipsPerPoint), false);
            m_font.emplace(Font{qtFont, QFontMetricsF(qtFont, &m_pdf)});
            m_fontKey = font;
        }
        return *m_font;
    }

    QPdfWriter m_pdf;
    QPainter m_painter;
    QString m_path;
    Delivery m_delivery;
    PrintableArea m_area;
    PrintFont m_fontKey;
    std::optional<Font> m_font;
};

// The print plugin's system, or null with the reason in `error` when the plugin is missing or does
// not fit this program. The plugin lies in its lib folder, found from the program's own folder by
// the same relative path in the installed tree and in the build tree, which is laid out alike.
PrintQueueSystem *loadPrintQueueSystem(QString *error)
{
    const QString path = QDir::cleanPath(
            QDir(QCoreApplication::applicationDirPath())
                    .filePath(QStringLiteral(BRANNOCK_MODULE_DIR_FROM_BIN "/")
                              + QStringLiteral(BRANNOCK_PRINT_QUEUE_MODULE_FILE)));
    if (!QFileInfo::exists(path)) {
        *error = QStringLiteral("no print plugin at %1").arg(path);
        return nullptr;
    }
    // Never unloaded: libcups and Qt Print Support keep state that must outlive the job.
    QPluginLoader loader(path);
    if (auto *system = qobject_cast<PrintQueueSystem *>(loader.instance()))
        return system;
    *error = loader.errorString();
    if (loader.isLoaded()) {
        *error = QStringLiteral("%1 is not a print plugin of this version").arg(path);
        loader.unload();
    }
    return nullptr;
}

} // namespace

DefaultPrinter QtReportOutput::defaultPrinter()
{
    QString error;
    m_printSystem = loadPrintQueueSystem(&error);
    if (!m_printSystem) {
        qWarning().noquote() << "Brannock: cannot reach the print system:" << error;
        return {DefaultPrinter::State::Unreachable, {}};
    }
    const std::optional<PrintQueue> queue = m_printSystem->defaultQueue();
    if (!queue)
        return {DefaultPrinter::State::None, {}};
    return {queue->ready ? DefaultPrinter::State::Ready : DefaultPrinter::State::NotReady,
            toStdString(queue->name)};
}

std::unique_ptr<PageCanvas> QtReportOutput::printJob(const std::string &printer)
{
    if (!m_printSystem)
        return nullptr;
    // The job is the document as a PDF on the queue's paper; the scheduler's filters print it.
    // The temporary file lives as long as the canvas that writes and hands it over.
    auto job = std::make_shared<QTemporaryFile>(
            QDir(QDir::tempPath()).filePath(QStringLiteral("brannock-XXXXXX.pdf")));
    if (!job->open())
        return nullptr;
    job->close();
    const QString queue = toQString(printer);
    PrintQueueSystem *system = m_printSystem;
    return openCanvas<PdfCanvas>(
            job->fileName(), system->defaultPaper(queue),
            [job, system, queue](const QString &path) {
                return system->submitPdf(queue, path, toQString(adjustment::texts::ProgramName));
            });
}

LocalTime QtReportOutput::now()
{
    const QDateTime now = QDateTime::currentDateTime();
    return {now.date().year(), now.date().month(),  now.date().day(),
            now.time().hour(), now.time().minute(), now.time().second()};
}

Folder QtReportOutput::documentsFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const bool usable
            = !folder.isEmpty() && QDir().mkpath(folder) && QFileInfo(folder).isWritable();
    return {toStdString(QDir::toNativeSeparators(folder)), usable};
}

std::string QtReportOutput::pathIn(const std::string &folder, const std::string &name)
{
    return toStdString(QDir::toNativeSeparators(QDir(toQString(folder)).filePath(toQString(name))));
}

FileCreation QtReportOutput::createNewFile(const std::string &path)
{
    QFile file(toQString(path));
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return FileCreation::Created;
    return file.exists() ? FileCreation::Exists : FileCreation::Failed;
}

bool QtReportOutput::hasFileWriter(FileKind kind)
{
    return kind == FileKind::Pdf || kind == FileKind::Text;
}

std::unique_ptr<PageCanvas> QtReportOutput::fileWriter(FileKind kind, const std::string &path)
{
    if (kind != FileKind::Pdf)
        return nullptr;
    return openCanvas<PdfCanvas>(toQString(path), QPageSize(QPageSize::A4));
}

bool QtReportOutput::writeFile(const std::string &path, const std::string &content)
{
    QFile file(toQString(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(content.data(), static_cast<qint64>(content.size()))
                   != static_cast<qint64>(content.size()))
        return false;
    file.close();
    return file.error() == QFileDevice::NoError;
}

void QtReportOutput::removeFile(const std::string &path)
{
    QFile::remove(toQString(path));
}

} // namespace platform::qt
