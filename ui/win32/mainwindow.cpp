// SPDX-License-Identifier: GPL-3.0-or-later
// The window Brannock in plain Win32: its controls placed and given their fonts at the window's DPI
// as the design says, its frame and buttons painted, its messages handled.

#include "mainwindow.h"

#include "design.h"

#include "dpi.h"
#include "gdi_report_output.h"
#include "run.h"
#include "utf16.h"

#include <array>
#include <cstddef>
#include <string>
#include <utility>

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace ui {

namespace {

using platform::win32::toUtf16;

// Identifiers by the control's place in the design's tables.
constexpr int firstField = 1000;
constexpr int firstButton = 1100;
constexpr int firstLabel = 1200;

constexpr wchar_t className[] = L"Brannock";

COLORREF colour(const design::Rgb &rgb)
{
    return RGB(rgb.red, rgb.green, rgb.blue);
}

RECT rect(const design::PixelRect &box)
{
    return {box.left, box.top, box.left + box.width, box.top + box.height};
}

void place(HWND control, const RECT &box, HFONT font)
{
    SetWindowPos(control, nullptr, box.left, box.top, box.right - box.left, box.bottom - box.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

} // namespace

MainWindow::MainWindow(HINSTANCE instance)
    : m_windowBrush(CreateSolidBrush(colour(design::windowColour)))
    , m_buttonBrush(CreateSolidBrush(colour(design::buttonColour)))
    , m_lineBrush(CreateSolidBrush(colour(design::lineColour)))
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = className;
    // A second window of the process (the tests make several) finds the class registered.
    if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return;
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    if (!CreateWindowExW(0, className, toUtf16(design::windowCaption).c_str(), style, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance,
                         this))
        return;
    m_dpi = platform::win32::dpiOf(m_window);
    createControls(instance);
    applyDpi();
    const RECT client{0, 0, design::pixels(design::openWidth, m_dpi),
                      design::pixels(design::openHeight, m_dpi)};
    const RECT frame = platform::win32::windowRectFor(client, style, 0, m_dpi);
    SetWindowPos(m_window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

MainWindow::~MainWindow()
{
    if (!m_window)
        return;
    // Destroyed by its owner, not closed by the user: no quit is posted.
    m_spokenNames.clear();
    HWND window = std::exchange(m_window, nullptr);
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
}

int MainWindow::controlId(std::string_view name)
{
    if (const std::size_t field = design::indexOf(design::fields, name);
        field < design::fields.size())
        return firstField + static_cast<int>(field);
    if (const std::size_t button = design::indexOf(design::buttons, name);
        button < design::buttons.size())
        return firstButton + static_cast<int>(button);
    if (const std::size_t label = design::labelIndex(name); label < design::labels.size())
        return firstLabel + static_cast<int>(label);
    return 0;
}

HWND MainWindow::control(std::string_view name) const
{
    const int id = controlId(name);
    return id && m_window ? GetDlgItem(m_window, id) : nullptr;
}

void MainWindow::createControls(HINSTANCE instance)
{
    const auto make = [this, instance](const wchar_t *kind, std::string_view name,
                                       std::string_view caption, DWORD style, DWORD exStyle) {
        CreateWindowExW(exStyle, kind, toUtf16(caption).c_str(),
                        style | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, 0, m_window,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(name))), instance,
                        nullptr);
    };
    // Children stack in the order they are made, the first on top, and Tab follows that order:
    // fields and buttons first, in the design's tab order, so they cover the labels they touch.
    for (const design::TabStop &stop : design::tabOrder) {
        if (stop.button)
            make(L"BUTTON", stop.name, stop.caption, BS_OWNERDRAW | WS_TABSTOP, 0);
        else
            make(L"EDIT", stop.name, {}, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE);
    }
    for (const design::Field &field : design::fields) {
        SendMessageW(control(field.name), EM_SETLIMITTEXT,
                     static_cast<WPARAM>(design::noLengthLimit), 0);
    }
    for (const design::Label &label : design::labels)
        make(L"STATIC", label.name, label.caption, SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0);

    std::array<HWND, 9> fields{};
    for (std::size_t i = 0; i < fields.size(); ++i)
        fields[i] = control(platform::fieldName(static_cast<platform::Field>(i)));
    m_fields = std::make_unique<platform::win32::Win32FieldService>(fields);
    m_prompts = std::make_unique<platform::win32::Win32PromptService>(m_window);
    m_programEnd = std::make_unique<platform::win32::Win32ProgramEnd>(m_window);
    m_lastFocus = control(design::tabOrder.front().name);
    m_spokenNames.set(m_window);
}

void MainWindow::applyDpi()
{
    design::WindowFonts<platform::win32::FontHandle> fonts(
            [this](design::Font font) { return platform::win32::createFont(font, m_dpi); });
    const auto placeAll = [this, &fonts](const auto &controls) {
        for (const auto &each : controls) {
            place(control(each.name), rect(design::pixelRect(each.box, m_dpi)),
                  fonts.of(each).get());
        }
    };
    placeAll(design::fields);
    placeAll(design::buttons);
    placeAll(design::labels);
    // The controls use the new fonts now; the old ones go.
    m_fonts = std::move(fonts);
    InvalidateRect(m_window, nullptr, TRUE);
}

void MainWindow::paintLines(HDC dc) const
{
    for (const design::LineEnds &ends : design::lines) {
        const RECT line = rect(design::pixelRect(ends, m_dpi));
        FillRect(dc, &line, m_lineBrush.get());
    }
}

void MainWindow::drawButton(const DRAWITEMSTRUCT &item) const
{
    RECT face = item.rcItem;
    HDC dc = item.hDC;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    FillRect(dc, &face, m_buttonBrush.get());
    DrawEdge(dc, &face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    std::wstring caption(static_cast<std::size_t>(GetWindowTextLengthW(item.hwndItem)) + 1, L'\0');
    caption.resize(static_cast<std::size_t>(
            GetWindowTextW(item.hwndItem, caption.data(), static_cast<int>(caption.size()))));
    // The button's own font, which applyDpi gave it.
    HGDIOBJ oldFont = SelectObject(
            dc, reinterpret_cast<HGDIOBJ>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour(design::captionColour));
    RECT text = face;
    if (pressed)
        OffsetRect(&text, 1, 1);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    if (item.itemState & ODS_FOCUS) {
        RECT mark = face;
        const int inset = platform::win32::scaled(4, m_dpi);
        InflateRect(&mark, -inset, -inset);
        DrawFocusRect(dc, &mark);
    }
}

void MainWindow::Command1_Click()
{
    platform::win32::GdiReportOutput output;
    m_runs.start(*m_prompts, *m_fields, output);
}

void MainWindow::Command2_Click()
{
    m_programEnd->endProgram();
}

LRESULT CALLBACK MainWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto *self = static_cast<MainWindow *>(
                reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams);
        self->m_window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto *self = reinterpret_cast<MainWindow *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    try {
        return self->handle(message, wParam, lParam);
    } catch (...) {
        // A fault of the program, not of the user's input: it ends, with a failure status.
        PostQuitMessage(1);
        return 0;
    }
}

LRESULT MainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        // Enter and Esc in a field arrive as IDOK and IDCANCEL from no control: no button.
        if (lParam && HIWORD(wParam) == BN_CLICKED) {
            if (LOWORD(wParam) == controlId("Command1"))
                Command1_Click();
            else if (LOWORD(wParam) == controlId("Command2"))
                Command2_Click();
        }
        return 0;
    case WM_CTLCOLORSTATIC: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, colour(design::captionColour));
        SetBkColor(dc, colour(design::windowColour));
        return reinterpret_cast<LRESULT>(m_windowBrush.get());
    }
    case WM_DRAWITEM:
        drawButton(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
        return TRUE;
    case WM_ERASEBKGND: {
        RECT client{};
        GetClientRect(m_window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, m_windowBrush.get());
        return 1;
    }
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(m_window, &paint);
        paintLines(dc);
        EndPaint(m_window, &paint);
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(m_window, focus))
                m_lastFocus = focus;
        }
        break;
    case WM_SETFOCUS:
        // Back to the control that had the focus when the window was left, as dialogs do.
        SetFocus(m_lastFocus);
        return 0;
    case WM_DPICHANGED: {
        m_dpi = HIWORD(wParam);
        const RECT &suggested = *reinterpret_cast<const RECT *>(lParam);
        SetWindowPos(m_window, nullptr, suggested.left, suggested.top,
                     suggested.right - suggested.left, suggested.bottom - suggested.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        applyDpi();
        return 0;
    }
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        // An open box returns and its prompt unwinds the run; then the loop sees the quit.
        if (wParam) {
            m_prompts->endSession();
            PostQuitMessage(0);
        }
        return 0;
    case WM_DESTROY:
        m_spokenNames.clear();
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY: {
        // The last message: the window is gone for this object from here on.
        HWND window = std::exchange(m_window, nullptr);
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        return DefWindowProcW(window, message, wParam, lParam);
    }
    default:
        break;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}

int runMessageLoop(HWND window)
{
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(window, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

} // namespace ui
