// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Reads PDFs with poppler's tools to compare them with the kit's expected lines, as Qt strings:
// their text in drawing order, their pages, and the ink on a page (cups-pdf's copy, redistilled
// by Ghostscript into Type 3 fonts, has no text to read back).

#include "routes.h"
#include "text.h"

#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// QString in gtest's messages as text rather than bytes; found by argument-dependent lookup.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace kit {

// The kit's UTF-8 texts as Qt's.
inline QString q(std::string_view text)
{
    return platform::qt::toQString(text);
}

inline QStringList q(const std::vector<std::string> &lines)
{
    QStringList list;
    for (const std::string &line : lines)
        list << q(line);
    return list;
}

} // namespace kit

// A PDF carries glyphs at positions, not blank characters: pdftotext rebuilds the blanks from
// the gaps, so a run of blanks comes back as one. Lines are compared with runs of blanks made
// one and the ends trimmed; every other character must match exactly.
inline QString blanksFolded(const QString &line)
{
    return line.simplified();
}

inline QStringList blanksFolded(const QStringList &lines)
{
    QStringList folded;
    for (const QString &line : lines)
        folded << blanksFolded(line);
    return folded;
}

// A report's printed lines as pdftotext gives them back: the empty ones left out, blanks folded.
inline QStringList blanksFolded(const std::vector<std::string> &printed)
{
    QStringList folded;
    for (const std::string &line : printed) {
        if (!line.empty())
            folded << blanksFolded(kit::q(line));
    }
    return folded;
}

// What one of poppler's tools writes on its standard output; nothing when it fails or takes more
// than a minute.
inline std::optional<QByteArray> popplerOutput(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit
        && process.exitCode() == 0)
        return process.readAllStandardOutput();
    process.kill();
    process.waitForFinished();
    return std::nullopt;
}

// The non-empty lines of a PDF's text, blanks folded, in the order they were drawn; the page
// count from pdftotext's form feeds. Given an area of the page in points, only the text inside.
inline QStringList pdfTextLines(const QString &path, int *pageCount = nullptr,
                                const QRect &area = {})
{
    QStringList arguments
            = {QStringLiteral("-raw"), QStringLiteral("-enc"), QStringLiteral("UTF-8")};
    if (!area.isNull()) {
        arguments << QStringLiteral("-x") << QString::number(area.x()) << QStringLiteral("-y")
                  << QString::number(area.y()) << QStringLiteral("-W")
                  << QString::number(area.width()) << QStringLiteral("-H")
                  << QString::number(area.height());
    }
    const auto output
            = popplerOutput(QStringLiteral("pdftotext"), arguments << path << QStringLiteral("-"));
    if (!output) {
        ADD_FAILURE() << "pdftotext failed on " << path.toStdString();
        return {};
    }
    const QString text = QString::fromUtf8(*output);
    if (pageCount)
        *pageCount = int(text.count(QLatin1Char('\f')));
    QStringList lines;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const QString folded = blanksFolded(QString(line).remove(QLatin1Char('\f')));
        if (!folded.isEmpty())
            lines << folded;
    }
    return lines;
}

// A line too long for the paper comes back as several: joins them into the expected line they
// make up, with the blank the line broke at put back.
inline QStringList joinedAs(QStringList printed, const QStringList &expected)
{
    QStringList joined;
    for (const QString &line : expected) {
        if (printed.isEmpty())
            break;
        QString whole = printed.takeFirst();
        while (whole.size() < line.size() && !printed.isEmpty()) {
            if (line[whole.size()] == QLatin1Char(' '))
                whole += QLatin1Char(' ');
            whole += printed.takeFirst();
        }
        joined << whole;
    }
    return joined + printed;
}

namespace kit {

// The page count pdfinfo reports; -1 when pdfinfo cannot read the file.
inline int pdfPageCount(const QString &path)
{
    const auto info = popplerOutput(QStringLiteral("pdfinfo"), {path});
    const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)$"),
                                                             QRegularExpression::MultilineOption)
                                                  .match(QString::fromLatin1(info.value_or("")));
    return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

// Dark pixels (grey level under 160 of 255) on the page, numbered from 1, rendered in grey at
// 36 dpi, coarse enough to be quick, fine enough that a line of 10 pt text darkens whole pixels;
// -1 when it cannot be rendered.
inline int inkedPixels(const QString &path, int page)
{
    const QString number = QString::number(page);
    const auto pgm
            = popplerOutput(QStringLiteral("pdftoppm"),
                            {QStringLiteral("-gray"), QStringLiteral("-r"), QStringLiteral("36"),
                             QStringLiteral("-f"), number, QStringLiteral("-l"), number,
                             QStringLiteral("-singlefile"), path});
    const QImage image
            = QImage::fromData(pgm.value_or(""), "PGM").convertToFormat(QImage::Format_Grayscale8);
    if (image.isNull())
        return -1;
    int inked = 0;
    for (int y = 0; y < image.height(); ++y) {
        const uchar *line = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x)
            inked += line[x] < 160 ? 1 : 0;
    }
    return inked;
}

// Checks a report saved as a PDF: where it is, its name, and the example's lines on one page.
inline void expectSavedExample(const QString &path, const QString &folder)
{
    const QFileInfo pdf(path);
    EXPECT_TRUE(pdf.isAbsolute()) << path.toStdString();
    EXPECT_EQ(pdf.absolutePath(), folder);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Brannock-\\d{8}-\\d{6}(-\\d+)?\\.pdf$"))
                        .match(pdf.fileName())
                        .hasMatch())
            << pdf.fileName().toStdString();
    int pages = 0;
    EXPECT_EQ(pdfTextLines(path, &pages), blanksFolded(exampleRoute().report));
    EXPECT_EQ(pages, 1);
}

} // namespace kit
