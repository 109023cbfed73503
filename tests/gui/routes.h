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

// 150 points, 151 segments of 10 units rising 0.01 m each: Ha 100, Hb 101.51, no closure
// error, so point I stands at 100 + 0.01 I. Every confirmation and stepping prompt is answered
// with an empty line.
constexpr int longRoutePoints = 150;

inline QStringList longRouteReplies()
{
    QStringList replies = {QString::number(longRoutePoints),
                           QStringLiteral("100"),
                           QString(),
                           QStringLiteral("101.51"),
                           QString(),
                           QStringLiteral("A")};
    for (int i = 1; i <= longRoutePoints + 1; ++i) {
        replies << (i <= longRoutePoints ? QStringLiteral("P%1").arg(i) : QStringLiteral("B"))
                << QStringLiteral("10") << QString() << QStringLiteral("0.01") << QString();
    }
    for (int i = 0; i < longRoutePoints + 2; ++i)
        replies << QString();
    return replies;
}

inline QStringList longRouteReport()
{
    QStringList lines
            = {QStringLiteral("Tarnovel"), QStringLiteral("起始点A 高程  :   Ha=100.000 米"),
               QStringLiteral("闭合点B 高程  :   Hb=101.510 米"), QStringLiteral("A :100.000 米")};
    // Point i stands at 100 + i/100 m, written with three decimals.
    for (int i = 1; i <= longRoutePoints; ++i) {
        lines << QStringLiteral("P%1 :%2.%3 米")
                         .arg(i)
                         .arg(100 + i / 100)
                         .arg(i % 100 * 10, 3, 10, QLatin1Char('0'));
    }
    lines << QStringLiteral("B :101.510 米") << QStringLiteral("路线闭合差 : fh=0.000 米");
    return lines;
}

} // namespace routes
