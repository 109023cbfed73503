// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's only window, Brannock: nine display fields, their labels, the red double frame
// around the results, and two buttons. It holds no data; its click handlers start a run and end
// the program.

#include "qt_field_service.h"
#include "qt_program_end.h"
#include "qt_prompt_service.h"
#include "run.h"

#include <QWidget>

namespace ui {

class MainWindow : public QWidget
{
public:
    explicit MainWindow(QWidget *parent = nullptr);

    // One complete adjustment run with the Qt services.
    void Command1_Click();
    // Ends the program at once.
    void Command2_Click();

private:
    platform::qt::QtPromptService m_prompts;
    platform::qt::QtFieldService m_fields;
    platform::qt::QtProgramEnd m_programEnd;
    adjustment::RunStarter m_runs;
};

} // namespace ui
