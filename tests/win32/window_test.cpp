// SPDX-License-Identifier: GPL-3.0-or-later
// The window's wiring: whole runs through the real boxes, its geometry and tab order at 96 dpi.

#include "box_answerer.h"
#include "row_name.h"

#include "design.h"
#include "dpi.h"
#include "mainwindow.h"
#include "run.h"
#include "scripted_platform.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

namespace texts = adjustment::texts;
using Lines = std::vector<std::string>;

const Lines kExampleRoute = {"1",   "10", "0", "10.000", "", "10.5", "", "A", "P1", "120", "",
                             "0.2", "",   "B", "280",    "", "0.31", "", "",  "0",  "x"};

struct Shown
{
    const char *name;
    const char *text;
};

const Shown kExampleFields[] = {
        {"Text1", " 10.000"},
        {"Text2", " 10.5"},
        {"Text3", "  400"},
        {"Text4", " 0.31"},
        {"Text5", "  附合水准路线共有1个待定点"},
        {"Text6", "  B"},
        {"Text7", "10.5"},
        {"Text8", "10毫米"},
        {"Text9", " P1"},
};

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
    for (const Shown &field : kExampleFields)
        EXPECT_EQ(textOf(window.control(field.name)), field.text) << field.name;

    platform::ScriptedPlatform scripted(kExampleRoute);
    auto services = scripted.services();
    adjustment::performRun(services);
    EXPECT_EQ(answerer.asked, scripted.logOf("ask: "));
    // The report could not be printed: one message says where it went, or why nowhere.
    ASSERT_EQ(answerer.messages.size(), 1u);
    const std::string &message = answerer.messages.front();
    const std::string_view outcomes[] = {texts::SavedNoPrinter, texts::SavedAfterFailure,
                                         texts::NotSavedNoPrinter, texts::NotSavedAfterFailure};
    EXPECT_TRUE(std::any_of(std::begin(outcomes), std::end(outcomes), [&](std::string_view start) {
        return message.starts_with(start);
    })) << message;
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

TEST_F(Window, EveryControlStandsWhereTheDesignPutsItAt96Dpi)
{
    ASSERT_EQ(platform::win32::dpiOf(window.handle()), 96);
    struct Placed
    {
        std::string_view name;
        design::Rect box;
    };
    std::vector<Placed> controls;
    for (const auto &field : design::fields)
        controls.push_back({field.name, field.box});
    for (const auto &button : design::buttons)
        controls.push_back({button.name, button.box});
    for (const auto &label : design::labels)
        controls.push_back({label.name, label.box});
    for (const Placed &control : controls) {
        RECT box{};
        GetWindowRect(window.control(control.name), &box);
        MapWindowPoints(nullptr, window.handle(), reinterpret_cast<POINT *>(&box), 2);
        EXPECT_EQ(box.left, design::px(control.box.left)) << control.name;
        EXPECT_EQ(box.top, design::px(control.box.top)) << control.name;
        EXPECT_EQ(box.right - box.left, design::px(control.box.width)) << control.name;
        EXPECT_EQ(box.bottom - box.top, design::px(control.box.height)) << control.name;
    }
    RECT client{};
    GetClientRect(window.handle(), &client);
    EXPECT_EQ(client.right, design::px(design::openWidth));
    EXPECT_EQ(client.bottom, design::px(design::openHeight));
}

TEST_F(Window, TabVisitsTheElevenControlsInTheDesignedOrderFromText1)
{
    std::vector<std::pair<int, std::string_view>> designed;
    for (const auto &field : design::fields)
        designed.emplace_back(field.tabIndex, field.name);
    for (const auto &button : design::buttons)
        designed.emplace_back(button.tabIndex, button.name);
    std::sort(designed.begin(), designed.end());
    EXPECT_EQ(GetFocus(), window.control("Text1"));
    HWND at = window.control(designed.front().second);
    for (std::size_t i = 1; i <= designed.size(); ++i) {
        at = GetNextDlgTabItem(window.handle(), at, FALSE);
        EXPECT_EQ(at, window.control(designed[i % designed.size()].second)) << "step " << i;
    }
}

} // namespace
