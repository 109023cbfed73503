// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform.h"

#include <QPointer>
#include <QWidget>

namespace platform::qt {

// Writes the display fields, found by object name ("Text1" … "Text9") among the window's
// direct children.
class QtFieldService final : public FieldService
{
public:
    explicit QtFieldService(QWidget *window);

    // Replaces the text and shows its beginning; the window repaints while the next prompt is
    // open, since the prompt runs its own event loop.
    void setFieldText(Field field, const std::string &text) override;

private:
    QPointer<QWidget> m_window;
};

} // namespace platform::qt
