// SPDX-License-Identifier: GPL-3.0-or-later

#include "pdf_pages.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>

namespace print_queue {

namespace {

constexpr int toolTimeoutMs = 60000;
// Coarse enough to be quick, fine enough that a line of 10 pt text darkens whole pixels.
constexpr int renderDpi = 36;
// Grey levels below this count as ink (0 is black, 255 white).
constexpr int inkLevel = 160;

bool run(const QString &program, const QStringList &arguments, QByteArray *output)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(toolTimeoutMs) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    *output = process.readAllStandardOutput();
    return true;
}

} // namespace

int pdfPageCount(const QString &path)
{
    QByteArray info;
    if (!run(QStringLiteral("pdfinfo"), {path}, &info))
        return -1;
    const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)$"),
                                                             QRegularExpression::MultilineOption)
                                                  .match(QString::fromLatin1(info));
    return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

int inkedPixels(const QString &path, int page)
{
    const QString number = QString::number(page);
    QByteArray pgm;
    if (!run(QStringLiteral("pdftoppm"),
             {QStringLiteral("-gray"), QStringLiteral("-r"), QString::number(renderDpi),
              QStringLiteral("-f"), number, QStringLiteral("-l"), number,
              QStringLiteral("-singlefile"), path},
             &pgm))
        return -1;
    const QImage image = QImage::fromData(pgm, "PGM").convertToFormat(QImage::Format_Grayscale8);
    if (image.isNull())
        return -1;
    int inked = 0;
    for (int y = 0; y < image.height(); ++y) {
        const uchar *line = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x)
            inked += line[x] < inkLevel ? 1 : 0;
    }
    return inked;
}

} // namespace print_queue
