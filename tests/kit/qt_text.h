// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The kit's UTF-8 texts as Qt strings, and Qt strings in test messages as text.

#include <QString>
#include <QStringList>

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

inline QString q(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

inline QStringList q(const std::vector<std::string> &lines)
{
    QStringList list;
    for (const std::string &line : lines)
        list << q(line);
    return list;
}

} // namespace kit
