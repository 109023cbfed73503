// SPDX-License-Identifier: GPL-3.0-or-later
// The window's wiring: whole runs through the real boxes, its geometry and fonts at the screen's
// DPI, its tab order.

#include "box_answerer.h"
#include "routes.h"
#include "row_name.h"

#include "design.h"
#include "dpi.h"
#include "mainwindow.h"
#include "run.h"
#include "scripted_platform.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

namespace texts = adjustment::texts;
using Lines = std::vector<std::string>;

const Lines kExampleRoute = kit::exampleRoute().replies;
const Lines kExampleFields = kit::exampleFields(); // Text1 to Text9

class Window : public testing::Test
{
protected:
    Window() { ShowWindow(window.handle(), SW_SHOWNORMAL); }
    void clickCommand1() { SendMessageW(window.control("Command1"), BM_CLICK, 0, 0); }

    ui::MainWindow window{GetModuleHandleW(nullptr)};
};

TEST_F(Window, ExampleRouteFillsTheFieldsAndAsksWhatTheCoreAsks)
{
    BoxAnswerer answerer(window.handle(), kExampleRoute);
    clickCommand1();
    EXPECT_TRUE(answerer.answeredAll());
    for (std::size_t i = 0; i < kExampleFields.size(); ++i) {
        const char *name = platform::fieldName(static_cast<platform::Field>(i));
        EXPECT_EQ(textOf(window.control(name)), kExampleFields[i]) << name;
    }

    platform::ScriptedPlatform scripted(kExampleRoute);
    auto services = scripted.services();
    adjustment::performRun(services);
    EXPECT_EQ(answerer.asked, scripted.logOf("ask: "));
    // The prefix has no printer and no PDF or XPS writer: the report is saved as text in the
    // documents folder, and one message says where.
    ASSERT_EQ(answerer.messages.size(), 1u);
    const std::string &message = answerer.messages.front();
    EXPECT_TRUE(message.starts_with(std::string(texts::SavedNoPrinterText) + "\nC:\\")) << message;
    EXPECT_TRUE(message.ends_with(".txt")) << message;
}

TEST_F(Window, UnexpectedPromptIsOneFailureNamingItAndTheRunEnds)
{
    const Lines tooFew = {"1", "10"}; // the confirmation of Ha finds no reply
    EXPECT_NONFATAL_FAILURE(
            {
                BoxAnswerer answerer(window.handle(), tooFew);
                clickCommand1();
            },
            std::string(texts::ConfirmHa.c1));
    EXPECT_TRUE(IsWindowEnabled(window.handle())) << "a box is still open";
}

TEST_F(Window, EveryControlAndFontIsTheDesignsAtTheScreensDpi)
{
    // The DPI the prefix was made with (scripts/with-wine.sh), else Windows' own 96.
    const char *screen = std::getenv("BRANNOCK_WINE_DPI");
    const int dpi = screen && *screen ? std::atoi(screen) : 96;
    ASSERT_EQ(platform::win32::dpiOf(window.handle()), dpi);
    // Windows 8.1's step, which Wine never reaches in dpiOf (it has GetDpiForWindow): shcore.dll's
    // GetDpiForMonitor is found and answers for the window's monitor.
    EXPECT_EQ(platform::win32::monitorDpi(window.handle()), dpi);
    using design::pixels;
    const auto check = [this, dpi](const auto &control) {
        HWND handle = window.control(control.name);
        RECT box{};
        GetWindowRect(handle, &box);
        MapWindowPoints(nullptr, window.handle(), reinterpret_cast<POINT *>(&box), 2);
        const int left = pixels(control.box.left, dpi), top = pixels(control.box.top, dpi);
        const RECT designed{left, top, left + pixels(control.box.width, dpi),
                            top + pixels(control.box.height, dpi)};
        EXPECT_TRUE(EqualRect(&box, &designed)) << control.name << " at " << box.left << ','
                                                << box.top << ' ' << box.right << ',' << box.bottom;
        // The font's em height is its design size at 96 dpi scaled to this one, within rounding.
        const design::Font font = design::fontOf(control);
        HDC dc = GetDC(handle);
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(handle, WM_GETFONT, 0, 0)));
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        ReleaseDC(handle, dc);
        EXPECT_NEAR(metrics.tmHeight - metrics.tmInternalLeading,
                    platform::win32::scaled(design::pixelSize(design::fontSpec(font)), dpi), 1)
                << control.name;
    };
    std::for_each(design::fields.begin(), design::fields.end(), check);
    std::for_each(design::buttons.begin(), design::buttons.end(), check);
    std::for_each(design::labels.begin(), design::labels.end(), check);
    RECT client{};
    GetClientRect(window.handle(), &client);
    EXPECT_EQ(client.right, pixels(design::openWidth, dpi));
    EXPECT_EQ(client.bottom, pixels(design::openHeight, dpi));
}

TEST_F(Window, FocusStartsInText1AndTabFollowsTheDesignedOrder)
{
    const auto &order = design::tabOrder;
    HWND at = GetFocus();
    for (std::size_t i = 0; i <= order.size(); ++i) {
        EXPECT_EQ(at, window.control(order[i % order.size()].name)) << "stop " << i;
        at = GetNextDlgTabItem(window.handle(), at, FALSE);
    }
}

} // namespace
