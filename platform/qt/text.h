// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The one place where the core's UTF-8 text and Qt's QString meet.

#include <QString>

#include <string>
#include <string_view>

namespace platform::qt {

inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string toStdString(const QString &text)
{
    return text.toStdString();
}

} // namespace platform::qt
