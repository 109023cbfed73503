// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the Windows cost programs share: a clock and the way they report. Each program writes
// "key value" lines on standard output; the driver win32_costs reads them.

#include "design.h"
#include "median.h"

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <thread>
#include <vector>

namespace bench {

// Microseconds on the performance counter, the clock every process of the run shares.
inline std::int64_t nowUs()
{
    LARGE_INTEGER counter{};
    LARGE_INTEGER frequency{};
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return counter.QuadPart / frequency.QuadPart * 1'000'000
           + counter.QuadPart % frequency.QuadPart * 1'000'000 / frequency.QuadPart;
}

inline void report(const char *key, std::int64_t value)
{
    std::printf("%s %lld\n", key, static_cast<long long>(value));
    std::fflush(stdout);
}

// The peak working set of this process so far, in KiB.
inline std::int64_t peakKib()
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
        return -1;
    return static_cast<std::int64_t>(counters.PeakWorkingSetSize / 1024);
}

// Paints the window and every control now, and reports the moment and the memory so far.
inline void reportFirstFrame(HWND window)
{
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    report("painted_us", nowUs());
    report("peak_kib", peakKib());
}

// A top-level window of the program's size and colour with nothing in it, for the floors; null
// when it cannot be made.
inline HWND plainWindow(HINSTANCE instance, const wchar_t *className)
{
    const design::Rgb colour = design::windowColour;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = CreateSolidBrush(RGB(colour.red, colour.green, colour.blue));
    windowClass.lpszClassName = className;
    if (!RegisterClassExW(&windowClass))
        return nullptr;
    RECT client{0, 0, design::px(design::openWidth), design::px(design::openHeight)};
    AdjustWindowRectEx(&client, WS_OVERLAPPEDWINDOW, FALSE, 0);
    return CreateWindowExW(0, className, L"Brannock", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                           CW_USEDEFAULT, client.right - client.left, client.bottom - client.top,
                           nullptr, nullptr, instance, nullptr);
}

// Round trips of modal boxes over `owner`: `ask` opens one box and returns when it is answered,
// `count` + 1 times, while a second thread answers each box as Enter does (IDOK) as soon as it
// shows and times how long the next one takes to show. Reports their median.
inline void reportRoundTrips(HWND owner, int count, const std::function<void()> &ask)
{
    std::vector<std::int64_t> trips;
    std::thread answerer([&] {
        HWND previous = nullptr;
        std::int64_t answeredAt = 0;
        for (int shown = 0; shown <= count;) {
            HWND box = FindWindowExW(nullptr, nullptr, L"#32770", nullptr);
            if (!box || box == previous || GetWindow(box, GW_OWNER) != owner
                || !IsWindowVisible(box)) {
                Sleep(0);
                continue;
            }
            if (previous)
                trips.push_back(nowUs() - answeredAt);
            previous = box;
            ++shown;
            answeredAt = nowUs();
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
    });
    for (int i = 0; i <= count; ++i)
        ask();
    answerer.join();
    report("round_trip_us", std::llround(kit::median(trips)));
}

} // namespace bench
