// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Routes the window tests run: the replies typed into the prompt boxes, and the report's lines
// as pdftotext reads them from the document the program printed or saved.

#include <QString>
#include <QStringList>

namespace routes {

// The 18-step example: Ha corrected from 10 to 10.000, Hb 10.5, points A, P1, B, distances 120
// and 280, height differences 0.2 and 0.31; then the three stepping prompts.
inline QStringList exampleReplies()
{
    return {QStringLiteral("1"),
            QStringLiteral("10"),
            QStringLiteral("0"),
            QStringLiteral("10.000"),
            QString(),
            QStringLiteral("10.5"),
            QString(),
            QStringLiteral("A"),
            QStringLiteral("P1"),
            QStringLiteral("120"),
            QString(),
            QStringLiteral("0.2"),
            QString(),
            QStringLiteral("B"),
            QStringLiteral("280"),
            QString(),
            QStringLiteral("0.31"),
            QString(),
            QStringLiteral("1"),
            QStringLiteral("1"),
            QStringLiteral("1")};
}

inline QStringList exampleReport()
{
    return {QStringLiteral("Tarnovel"),
            QStringLiteral("起始点A 高程  :   Ha=10.000 米"),
            QStringLiteral("闭合点B 高程  :   Hb=10.500 米"),
            QStringLiteral("A :10.000 米"),
            QStringLiteral("P1 :10.197 米"),
            QStringLiteral("B :10.500 米"),
            QStringLiteral("路线闭合差 : fh=0.010 米")};
}

// Rising routes: the named points, first to last, Ha 100 and every segment 10 units rising
// 0.01 m, so there is no closure error and point i stands at 100 + 0.01 i. Every confirmation
// and stepping prompt is answered with an empty line.
inline QString risingElevation(qsizetype i)
{
    return QStringLiteral("%1.%2").arg(100 + i / 100).arg(i % 100 * 10, 3, 10, QLatin1Char('0'));
}

inline QStringList risingReplies(const QStringList &names)
{
    const qsizetype last = names.size() - 1;
    QStringList replies = {QString::number(last - 1),
                           QStringLiteral("100"),
                           QString(),
                           risingElevation(last),
                           QString(),
                           names.first()};
    for (qsizetype i = 1; i <= last; ++i)
        replies << names[i] << QStringLiteral("10") << QString() << QStringLiteral("0.01")
                << QString();
    for (qsizetype i = 0; i <= last; ++i)
        replies << QString();
    return replies;
}

inline QStringList risingReport(const QStringList &names)
{
    const qsizetype last = names.size() - 1;
    QStringList lines = {
            QStringLiteral("Tarnovel"),
            QStringLiteral("起始点%1 高程  :   Ha=%2 米").arg(names.first(), risingElevation(0)),
            QStringLiteral("闭合点%1 高程  :   Hb=%2 米").arg(names.last(), risingElevation(last))};
    for (qsizetype i = 0; i <= last; ++i)
        lines << QStringLiteral("%1 :%2 米").arg(names[i], risingElevation(i));
    lines << QStringLiteral("路线闭合差 : fh=0.000 米");
    return lines;
}

// A, P1 … P`between`, B; point `longAt` is named `longName` instead.
inline QStringList risingNames(int between, int longAt = -1, const QString &longName = {})
{
    QStringList names;
    for (int i = 0; i <= between + 1; ++i)
        names << (i == longAt        ? longName
                  : i == 0           ? QStringLiteral("A")
                  : i == between + 1 ? QStringLiteral("B")
                                     : QStringLiteral("P%1").arg(i));
    return names;
}

// The long route: 150 points over several pages of report.
inline QStringList longRouteReplies()
{
    return risingReplies(risingNames(150));
}

inline QStringList longRouteReport()
{
    return risingReport(risingNames(150));
}

} // namespace routes
