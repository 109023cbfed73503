// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform.h"

#include <QPointer>
#include <QWidget>

namespace platform::qt {

// Modal prompt and message boxes over the main window, with the title and button captions of the
// design. The reply is handed back exactly as typed.
class QtPromptService final : public PromptService
{
public:
    explicit QtPromptService(QWidget *window);

    std::string inputBox(const std::string &prompt) override;
    void showMessage(const std::string &text) override;

private:
    QPointer<QWidget> m_window;
};

} // namespace platform::qt
