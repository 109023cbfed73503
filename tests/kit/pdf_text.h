// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Reads a PDF's text with pdftotext in drawing order, as the report's expected lines are compared.

#include "qt_text.h"

#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <string>
#include <vector>

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
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), arguments << path << QStringLiteral("-"));
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext failed on " << path.toStdString();
        return {};
    }
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
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
