#pragma once

// Reads a PDF's text with pdftotext in drawing order.

#include <QProcess>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

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

// The non-empty lines of a PDF's text, blanks folded, in the order they were drawn; the page
// count from pdftotext's form feeds.
inline QStringList pdfTextLines(const QString &path, int *pageCount = nullptr)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-raw"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), path,
                     QStringLiteral("-")});
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
