// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The one place where the core's UTF-8 text and Qt's QString meet.

#include <QString>

#include <string>

namespace platform::qt {

inline QString toQString(const std::string &text)
{
    return QString::fromStdString(text);
}

inline std::string toStdString(const QString &text)
{
    return text.toStdString();
}

} // namespace platform::qt
