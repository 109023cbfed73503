// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Answers the modal boxes of a run as a user would, from a thread timer that fires inside each
// box's own message loop: puts each reply into a prompt box's line and presses OK, and presses
// OK on the run's one message box. Whatever else comes up is one failure that names it, and it
// and every later box are closed the way that ends the run soonest (the abandon question is
// answered with zero), so a wrong chain fails instead of hanging.

#include "texts.h"
#include "utf16.h"
#include "win32_prompt_service.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

inline std::string textOf(HWND control)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
            GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return platform::win32::toUtf8(text);
}

class BoxAnswerer
{
public:
    BoxAnswerer(HWND window, const std::vector<std::string> &replies)
        : m_window(window)
        , m_replies(replies.begin(), replies.end())
        , m_timer(SetTimer(nullptr, 0, USER_TIMER_MINIMUM, tick))
    {
        s_current = this;
    }
    ~BoxAnswerer() { KillTimer(nullptr, m_timer), s_current = nullptr; }

    bool answeredAll() const { return m_replies.empty(); }

    std::vector<std::string> asked;    // prompt texts, in order
    std::vector<std::string> messages; // message texts, in order

private:
    // A thread timer's procedure gets no context: the one answerer of the thread is kept here.
    inline static BoxAnswerer *s_current = nullptr;

    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) { s_current->answerIfShown(); }

    static BOOL CALLBACK findBox(HWND window, LPARAM found)
    {
        wchar_t name[8] = {};
        GetClassNameW(window, name, 8);
        if (IsWindowVisible(window) && std::wstring_view(name) == L"#32770")
            *reinterpret_cast<HWND *>(found) = window;
        return TRUE;
    }

    void fail(HWND box, const std::string &what)
    {
        if (!std::exchange(m_failed, true))
            ADD_FAILURE() << what << ": " << textOf(box) << " | " << text(box);
    }

    static HWND item(HWND box, int id) { return GetDlgItem(box, id); }
    static std::string text(HWND box) { return textOf(item(box, platform::win32::BoxText)); }
    static void press(HWND box, int id) { SendMessageW(item(box, id), BM_CLICK, 0, 0); }
    static void reply(HWND box, const std::string &text)
    {
        SendMessageW(item(box, platform::win32::BoxLine), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>(platform::win32::toUtf16(text).c_str()));
        press(box, IDOK);
    }

    void answerIfShown()
    {
        HWND box = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), findBox, reinterpret_cast<LPARAM>(&box));
        if (!box)
            return;
        EXPECT_EQ(GetWindow(box, GW_OWNER), m_window) << "a box not owned by the window";
        EXPECT_FALSE(IsWindowEnabled(m_window)) << "a box that is not modal";
        const bool prompt = item(box, platform::win32::BoxLine) != nullptr;
        if (!prompt && !item(box, platform::win32::BoxIcon)) {
            fail(box, "unexpected box");
            PostMessageW(box, WM_CLOSE, 0, 0);
        } else if (!prompt) {
            messages.push_back(text(box));
            if (messages.size() > 1)
                fail(box, "unexpected message");
            press(box, IDOK);
        } else if (asked.push_back(text(box)); m_failed || m_replies.empty()) {
            fail(box, "unexpected prompt " + std::to_string(asked.size()));
            if (asked.back() == adjustment::texts::AbandonQuestion)
                reply(box, "0");
            else
                press(box, IDCANCEL);
        } else {
            reply(box, m_replies.front());
            m_replies.pop_front();
        }
    }

    HWND m_window;
    std::deque<std::string> m_replies;
    UINT_PTR m_timer;
    bool m_failed = false;
};
