// SPDX-License-Identifier: GPL-3.0-or-later
// The real program in a process of its own on the X display DISPLAY names, a private Xvfb that
// ctest starts for each test (scripts/with-xvfb.sh): Command2, and closing the window by its
// frame, end it at once with exit status 0, and its captions stay readable under a dark desktop
// theme. The display has no window manager, so the test sends what one would: a pointer click
// through XTEST, or WM_DELETE_WINDOW.

#include "program_start.h"
#include "row_name.h"
#include "temporary_home.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

#include <gtest/gtest.h>

#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

// An xcb reply, freed when it goes.
template<class Reply>
std::unique_ptr<Reply, decltype(&std::free)> owned(Reply *reply)
{
    return {reply, &std::free};
}

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const auto reply = owned(xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name),
            nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The mapped top-level window titled `title`, or XCB_WINDOW_NONE.
xcb_window_t findWindow(xcb_connection_t *connection, xcb_window_t root, const std::string &title)
{
    const auto tree
            = owned(xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr));
    if (!tree)
        return XCB_WINDOW_NONE;
    const xcb_window_t *children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
        const auto attributes = owned(xcb_get_window_attributes_reply(
                connection, xcb_get_window_attributes(connection, children[i]), nullptr));
        if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE)
            continue;
        const auto name = owned(xcb_get_property_reply(
                connection,
                xcb_get_property(connection, 0, children[i], XCB_ATOM_WM_NAME,
                                 XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
                nullptr));
        if (!name)
            continue;
        const auto *text = static_cast<const char *>(xcb_get_property_value(name.get()));
        if (std::string(text, std::size_t(xcb_get_property_value_length(name.get()))) == title)
            return children[i];
    }
    return XCB_WINDOW_NONE;
}

// The real program on the display, with its window found there. `settings` are added to its
// environment.
class RealProgram
{
public:
    explicit RealProgram(const QProcessEnvironment &settings = {})
    {
        if (m_display.isEmpty() || !m_home.isValid())
            return;
        QProcessEnvironment environment = m_home.environment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("QT_ENABLE_HIGHDPI_SCALING"), QStringLiteral("0"));
        // In a sanitizer build, leaks of the system's D-Bus library would set the exit status.
        if (!environment.contains(QStringLiteral("LSAN_OPTIONS"))) {
            environment.insert(QStringLiteral("LSAN_OPTIONS"),
                               QStringLiteral("suppressions=" LSAN_SUPPRESSIONS));
        }
        environment.insert(settings);
        if (!kit::startProgram(process, {QStringLiteral(BRANNOCK_PROGRAM)}, environment))
            return;
        connection = xcb_connect(m_display.constData(), nullptr);
        if (xcb_connection_has_error(connection))
            return;
        root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
        for (int attempt = 0; attempt < 200 && window == XCB_WINDOW_NONE; ++attempt) {
            QThread::msleep(50);
            window = findWindow(connection, root, "Brannock");
        }
    }
    ~RealProgram()
    {
        if (connection)
            xcb_disconnect(connection);
        kit::endProgram(process, 0);
    }

    // Why the window is not there, or empty when it is.
    std::string failure() const
    {
        if (m_display.isEmpty())
            return "DISPLAY is not set: run the test under scripts/with-xvfb.sh";
        if (process.state() != QProcess::Running)
            return "the program did not start or ended";
        return window == XCB_WINDOW_NONE ? "the window did not appear" : "";
    }

    QProcess process;
    xcb_connection_t *connection = nullptr;
    xcb_window_t root = XCB_WINDOW_NONE;
    xcb_window_t window = XCB_WINDOW_NONE;

private:
    QByteArray m_display = qgetenv("DISPLAY");
    kit::TemporaryHome m_home;
};

struct Ending
{
    const char *name;
    bool command2Click; // else the frame's close box
};

class ProgramEnd : public ::testing::TestWithParam<Ending>
{};

TEST_P(ProgramEnd, EndsTheProcessAtOnceWithStatusZero)
{
    RealProgram real;
    ASSERT_EQ(real.failure(), "");
    QProcess &program = real.process;
    xcb_connection_t *connection = real.connection;
    const xcb_window_t root = real.root;
    const xcb_window_t window = real.window;
    // Shown, and running until told otherwise.
    EXPECT_FALSE(program.waitForFinished(500));

    // Command2's centre in the window: (7440 + 975 / 2, 8520 + 495 / 2) twips.
    const int16_t buttonX = (7440 + 975 / 2) / 15;
    const int16_t buttonY = (8520 + 495 / 2) / 15;
    const xcb_atom_t protocols = atom(connection, "WM_PROTOCOLS");
    const xcb_atom_t deleteWindow = atom(connection, "WM_DELETE_WINDOW");
    // Repeated until the program ends, in case the first one comes before it is ready.
    for (int attempt = 0; attempt < 10 && program.state() != QProcess::NotRunning; ++attempt) {
        if (GetParam().command2Click) {
            const auto place = owned(xcb_translate_coordinates_reply(
                    connection,
                    xcb_translate_coordinates(connection, window, root, buttonX, buttonY),
                    nullptr));
            ASSERT_TRUE(place);
            xcb_test_fake_input(connection, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, root,
                                place->dst_x, place->dst_y, 0);
            xcb_test_fake_input(connection, XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, root, 0, 0, 0);
            xcb_test_fake_input(connection, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, root, 0, 0, 0);
        } else {
            xcb_client_message_event_t message{};
            message.response_type = XCB_CLIENT_MESSAGE;
            message.format = 32;
            message.window = window;
            message.type = protocols;
            message.data.data32[0] = deleteWindow;
            message.data.data32[1] = XCB_CURRENT_TIME;
            xcb_send_event(connection, 0, window, XCB_EVENT_MASK_NO_EVENT,
                           reinterpret_cast<const char *>(&message));
        }
        xcb_flush(connection);
        program.waitForFinished(1000);
    }

    ASSERT_EQ(program.state(), QProcess::NotRunning);
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Endings, ProgramEnd,
                         ::testing::Values(Ending{"Command2Click", true},
                                           Ending{"FrameClose", false}),
                         RowName());

// Pixels of a window area with dark (text) colour: every channel under 100.
int darkPixels(xcb_connection_t *connection, xcb_window_t window, int x, int y, int width,
               int height)
{
    const auto image = owned(xcb_get_image_reply(
            connection,
            xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, int16_t(x), int16_t(y),
                          uint16_t(width), uint16_t(height), ~0u),
            nullptr));
    if (!image)
        return -1;
    // 24-bit depth comes as 32 bits a pixel, blue first.
    const uint8_t *pixels = xcb_get_image_data(image.get());
    const int length = xcb_get_image_data_length(image.get());
    int count = 0;
    for (int i = 0; i + 3 < length; i += 4)
        count += pixels[i] < 100 && pixels[i + 1] < 100 && pixels[i + 2] < 100;
    return count;
}

// GNOME's dark theme through Qt's GTK 3 platform theme: the captions on the fixed cyan and pink
// stay dark and readable, while the fields take the theme's dark background.
TEST(DarkDesktopTheme, KeepsTheCaptionsDarkOnTheirFixedColours)
{
    QProcessEnvironment dark;
    dark.insert(QStringLiteral("QT_QPA_PLATFORMTHEME"), QStringLiteral("gtk3"));
    dark.insert(QStringLiteral("GTK_THEME"), QStringLiteral("Adwaita:dark"));
    RealProgram real{dark};
    ASSERT_EQ(real.failure(), "");

    struct Area
    {
        const char *name;
        int left, top, width, height; // twips
    };
    const Area captions[] = {{"Label1", 5880, 4800, 3015, 375},
                             {"Label6", 6480, 7440, 2175, 255},
                             {"Label14", 7560, 5400, 975, 255},
                             {"Command1", 6240, 8520, 975, 495},
                             {"Command2", 7440, 8520, 975, 495}};
    const Area text1{"Text1", 7560, 5640, 975, 285};
    const auto darkIn = [&real](const Area &area, int inset) {
        return darkPixels(real.connection, real.window, area.left / 15 + inset,
                          area.top / 15 + inset, area.width / 15 - 2 * inset,
                          area.height / 15 - 2 * inset);
    };
    // The window is painted once the theme's dark field shows.
    const int text1Inside = (text1.width / 15 - 8) * (text1.height / 15 - 8);
    for (int attempt = 0; attempt < 100 && darkIn(text1, 4) < text1Inside; ++attempt)
        QThread::msleep(50);
    EXPECT_EQ(darkIn(text1, 4), text1Inside) << "Text1 is not dark inside: no dark theme";
    for (const Area &area : captions)
        EXPECT_GT(darkIn(area, 3), 5) << area.name; // inside the buttons' dark edges
}

} // namespace
