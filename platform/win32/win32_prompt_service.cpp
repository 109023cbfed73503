// SPDX-License-Identifier: GPL-3.0-or-later
// The prompt and message boxes as Win32 dialogs made from templates in memory.

#include "win32_prompt_service.h"

#include "box.h"
#include "design.h"
#include "dpi.h"
#include "fonts.h"
#include "utf16.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace platform::win32 {

namespace {

// The result of a box that the ending session closed.
constexpr INT_PTR endedBySession = 100;

// A dialog template in memory, words in the layout DialogBoxIndirectParamW reads; the controls'
// places are set when the box opens, in pixels at its DPI.
class DialogTemplate
{
public:
    DialogTemplate(const std::wstring &title, const design::FontSpec &font)
    {
        put(DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU);
        put(DWORD{0});
        m_countAt = m_words.size();
        m_words.insert(m_words.end(), {0, 0, 0, 100, 50, 0, 0}); // count, place, menu, class
        put(title);
        m_words.push_back(static_cast<WORD>(font.points + 0.5));
        put(installedFace(font.face.name));
    }

    void add(WORD classAtom, DWORD style, int id, const std::wstring &text = {})
    {
        if (m_words.size() % 2 != 0)
            m_words.push_back(0); // each item starts on a DWORD
        put(style | WS_CHILD | WS_VISIBLE);
        put(DWORD{0});
        m_words.insert(m_words.end(), {0, 0, 10, 10, static_cast<WORD>(id), 0xFFFF, classAtom});
        put(text);
        m_words.push_back(0); // no creation data
        ++m_words[m_countAt];
    }

    const DLGTEMPLATE *get() const { return reinterpret_cast<const DLGTEMPLATE *>(m_words.data()); }

private:
    void put(DWORD value)
    {
        m_words.push_back(LOWORD(value));
        m_words.push_back(HIWORD(value));
    }
    void put(const std::wstring &text)
    {
        m_words.insert(m_words.end(), text.begin(), text.end());
        m_words.push_back(0);
    }

    std::vector<WORD> m_words;
    std::size_t m_countAt = 0;
};

constexpr WORD buttonClass = 0x0080;
constexpr WORD editClass = 0x0081;
constexpr WORD staticClass = 0x0082;
// How a static control with SS_LEFT | SS_EDITCONTROL draws its text; measured the same way.
constexpr UINT textFormat = DT_LEFT | DT_EXPANDTABS | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX;

struct BoxState
{
    const std::wstring *text;
    bool withLine;
    std::wstring *reply;
    HWND *openBox;
};

// The text's width and height in pixels, wrapped at `width` where the format wraps.
std::pair<int, int> measure(HDC dc, const std::wstring &text, UINT format, int width)
{
    RECT box{0, 0, width, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, format | DT_CALCRECT);
    return {static_cast<int>(box.right - box.left), static_cast<int>(box.bottom - box.top)};
}

void place(HWND box, int id, const design::PixelRect &at)
{
    if (HWND control = GetDlgItem(box, id)) // the message box has no line, no Cancel
        SetWindowPos(control, nullptr, at.left, at.top, at.width, at.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
}

// Lays the box out at its DPI and centres it on its owner, within the owner's screen.
void layOut(HWND box, const BoxState &state)
{
    const int dpi = dpiOf(box);
    HDC dc = GetDC(box);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(box, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const design::BoxText measured{
            static_cast<int>(metrics.tmHeight),
            std::max(measure(dc, toUtf16(design::okCaption), DT_SINGLELINE, 0).first,
                     measure(dc, toUtf16(design::cancelCaption), DT_SINGLELINE, 0).first),
            measure(dc, *state.text, textFormat & ~UINT{DT_WORDBREAK}, 0).first};
    const design::BoxLayout layout
            = design::boxLayout(state.withLine, dpi, measured, [dc, &state](int width) {
                  return measure(dc, *state.text, textFormat, width).second;
              });
    SelectObject(dc, old);
    ReleaseDC(box, dc);

    place(box, BoxIcon, layout.icon);
    place(box, BoxText, layout.text);
    place(box, BoxLine, layout.line);
    place(box, IDOK, layout.ok);
    place(box, IDCANCEL, layout.cancel);
    const RECT client{0, 0, layout.width, layout.height};
    const RECT frame = windowRectFor(client, static_cast<DWORD>(GetWindowLongPtrW(box, GWL_STYLE)),
                                     static_cast<DWORD>(GetWindowLongPtrW(box, GWL_EXSTYLE)), dpi);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;

    HWND owner = GetWindow(box, GW_OWNER);
    RECT around{};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(owner ? owner : box, MONITOR_DEFAULTTONEAREST), &monitor);
    if (!owner || !GetWindowRect(owner, &around))
        around = monitor.rcWork;
    const RECT &work = monitor.rcWork;
    const auto centred = [](LONG low, LONG high, LONG start, LONG end, int size) {
        const int at = static_cast<int>((low + high - size) / 2);
        return std::clamp(at, static_cast<int>(start),
                          std::max(static_cast<int>(start), static_cast<int>(end) - size));
    };
    const int x = centred(around.left, around.right, work.left, work.right, width);
    const int top = centred(around.top, around.bottom, work.top, work.bottom, height);
    SetWindowPos(box, nullptr, x, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR handle(HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto *state = reinterpret_cast<BoxState *>(GetWindowLongPtrW(box, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG: {
        state = reinterpret_cast<BoxState *>(lParam);
        SetWindowLongPtrW(box, DWLP_USER, lParam);
        *state->openBox = box;
        SetDlgItemTextW(box, BoxText, state->text->c_str());
        if (state->withLine) {
            // Windows' default would cut a long paste at 30,000 characters.
            SendDlgItemMessageW(box, BoxLine, EM_SETLIMITTEXT,
                                static_cast<WPARAM>(design::noLengthLimit), 0);
        } else {
            SendDlgItemMessageW(box, BoxIcon, STM_SETICON,
                                reinterpret_cast<WPARAM>(LoadIconW(nullptr, IDI_INFORMATION)), 0);
        }
        layOut(box, *state);
        SetFocus(GetDlgItem(box, state->withLine ? BoxLine : IDOK));
        return FALSE; // the focus is set
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK && state && state->withLine) {
            HWND line = GetDlgItem(box, BoxLine);
            std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(line)) + 1, L'\0');
            text.resize(static_cast<std::size_t>(
                    GetWindowTextW(line, text.data(), static_cast<int>(text.size()))));
            *state->reply = std::move(text);
        }
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(box, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    case WM_ENDSESSION:
        if (wParam)
            EndDialog(box, endedBySession);
        return TRUE;
    case WM_DESTROY:
        if (state)
            *state->openBox = nullptr;
        return FALSE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK boxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    try {
        return handle(box, message, wParam, lParam);
    } catch (...) {
        // Out of memory for the reply: the box gives up, and the prompt ends the run.
        EndDialog(box, -1);
        return TRUE;
    }
}

} // namespace

Win32PromptService::Win32PromptService(HWND owner)
    : m_owner(owner)
{}

INT_PTR Win32PromptService::runBox(const std::wstring &text, bool withLine, std::wstring &reply)
{
    DialogTemplate box(toUtf16(design::boxCaption), design::fontSpec(design::Font::Boxes));
    if (withLine) {
        box.add(staticClass, SS_LEFT | SS_EDITCONTROL | SS_NOPREFIX, BoxText);
        box.add(editClass, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, BoxLine);
        box.add(buttonClass, BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, toUtf16(design::okCaption));
        box.add(buttonClass, BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL, toUtf16(design::cancelCaption));
    } else {
        box.add(staticClass, SS_ICON, BoxIcon);
        box.add(staticClass, SS_LEFT | SS_EDITCONTROL | SS_NOPREFIX, BoxText);
        box.add(buttonClass, BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, toUtf16(design::okCaption));
    }
    BoxState state{&text, withLine, &reply, &m_openBox};
    return DialogBoxIndirectParamW(GetModuleHandleW(nullptr), box.get(), m_owner, boxProcedure,
                                   reinterpret_cast<LPARAM>(&state));
}

std::string Win32PromptService::inputBox(const std::string &prompt)
{
    if (m_ending)
        throw ProgramEnding();
    std::wstring reply;
    const INT_PTR result = runBox(toUtf16(prompt), true, reply);
    // A box that the session closed cannot be answered, now or later: asking again would never
    // end. A box that could not be made ends this run only, so that the next click starts anew.
    if (result == endedBySession)
        m_ending = true;
    if (m_ending || (result != IDOK && result != IDCANCEL))
        throw ProgramEnding();
    return result == IDOK ? toUtf8(reply) : std::string();
}

void Win32PromptService::showMessage(const std::string &text)
{
    if (m_ending)
        return;
    std::wstring unused;
    if (runBox(toUtf16(text), false, unused) == endedBySession)
        m_ending = true;
}

void Win32PromptService::endSession()
{
    m_ending = true;
    if (m_openBox)
        EndDialog(m_openBox, endedBySession);
}

} // namespace platform::win32
