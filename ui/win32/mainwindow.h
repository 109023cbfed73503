// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's only window, Brannock, in plain Win32: nine display fields, their labels, the red
// double frame around the results, and two owner-drawn buttons, all from the design data and
// scaled by the window's DPI. It holds no data; its click handlers start a run and end the
// program.

#include "design.h"
#include "fonts.h"
#include "run.h"
#include "spoken_names.h"
#include "win32_field_service.h"
#include "win32_program_end.h"
#include "win32_prompt_service.h"

#include <windows.h>

#include <memory>
#include <string_view>

namespace ui {

class MainWindow
{
public:
    // Makes the window, hidden; handle() is null when that fails.
    explicit MainWindow(HINSTANCE instance);
    ~MainWindow();
    MainWindow(const MainWindow &) = delete;
    MainWindow &operator=(const MainWindow &) = delete;

    HWND handle() const { return m_window; }
    // The control of that design name (Text1, Command2, Label6); null for an unknown name.
    HWND control(std::string_view name) const;
    // The control's identifier, the same in every run; 0 for an unknown name.
    static int controlId(std::string_view name);

    // One complete adjustment run with the Win32 services.
    void Command1_Click();
    // Ends the program at once.
    void Command2_Click();

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void createControls(HINSTANCE instance);
    // Places the controls and makes the fonts at the window's DPI.
    void applyDpi();
    void paintLines(HDC dc) const;
    void drawButton(const DRAWITEMSTRUCT &item) const;

    HWND m_window = nullptr;
    int m_dpi = 96;
    design::WindowFonts<platform::win32::FontHandle> m_fonts; // made by applyDpi
    std::unique_ptr<std::remove_pointer_t<HBRUSH>, platform::win32::GdiObjectDeleter> m_windowBrush;
    std::unique_ptr<std::remove_pointer_t<HBRUSH>, platform::win32::GdiObjectDeleter> m_buttonBrush;
    std::unique_ptr<std::remove_pointer_t<HBRUSH>, platform::win32::GdiObjectDeleter> m_lineBrush;
    HWND m_lastFocus = nullptr;
    SpokenNames m_spokenNames;
    std::unique_ptr<platform::win32::Win32PromptService> m_prompts;
    std::unique_ptr<platform::win32::Win32FieldService> m_fields;
    std::unique_ptr<platform::win32::Win32ProgramEnd> m_programEnd;
    adjustment::RunStarter m_runs;
};

// Runs the window's messages, Tab and Shift+Tab moving the focus, until the program ends; its
// exit status.
int runMessageLoop(HWND window);

} // namespace ui
