// SPDX-License-Identifier: GPL-3.0-or-later
// The window as laid out: every control's place, caption, colour and font, the focus order,
// and the keys that must not start a run.

#include "prompt_answerer.h"
#include "row_name.h"

#include "mainwindow.h"
#include "qt_field_service.h"

#include <QAccessible>
#include <QFontInfo>
#include <QFrame>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRawFont>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

enum class Kind { Field, Button, Label, Line };

// The layout in twips as designed; lines give their end points instead of a box.
struct Control
{
    const char *name;
    Kind kind;
    int left;
    int top;
    int width;  // x2 for lines
    int height; // y2 for lines
    const char *caption;
};

const Control controls[] = {
        {"Text1", Kind::Field, 7560, 5640, 975, 285, ""},
        {"Text2", Kind::Field, 8880, 5640, 975, 285, ""},
        {"Text3", Kind::Field, 5880, 6360, 1215, 285, ""},
        {"Text4", Kind::Field, 7440, 6360, 1095, 285, ""},
        {"Text5", Kind::Field, 4560, 5640, 2655, 285, ""},
        {"Text6", Kind::Field, 6120, 8040, 975, 285, ""},
        {"Text7", Kind::Field, 7560, 8040, 1095, 285, ""},
        {"Text8", Kind::Field, 8880, 6360, 1215, 285, ""},
        {"Text9", Kind::Field, 4560, 6360, 975, 285, ""},
        {"Command1", Kind::Button, 6240, 8520, 975, 495, "进行计 算"},
        {"Command2", Kind::Button, 7440, 8520, 975, 495, "退出计算"},
        {"Label1", Kind::Label, 5880, 4800, 3015, 375, "B r a n n o c k"},
        {"Label2", Kind::Label, 6360, 7800, 615, 255, "点  名"},
        {"Label4", Kind::Label, 5760, 6120, 1575, 255, "距离(前后视距和)"},
        {"Label5", Kind::Label, 7680, 6120, 615, 255, "高   差 "},
        {"Label6", Kind::Label, 6480, 7440, 2175, 255, "( 计 算 结 果 \xEF\xBC\x89"},
        {"Label7", Kind::Label, 7680, 7800, 615, 255, "高   程"},
        {"Label9", Kind::Label, 9000, 6120, 975, 255, "高差闭合差 "},
        {"Label10", Kind::Label, 5160, 5400, 1455, 255, "未知点个数说明"},
        {"Label11", Kind::Label, 4800, 6120, 615, 255, "点  名  "},
        {"Label12", Kind::Label, 7200, 5640, 375, 255, " Ha"},
        {"Label13", Kind::Label, 8520, 5640, 375, 255, " Hb"},
        {"Label14", Kind::Label, 7560, 5400, 975, 255, "起始点高程 "},
        {"Label15", Kind::Label, 8880, 5400, 975, 255, "闭合点高程 "},
        {"Label16", Kind::Label, 4200, 6360, 375, 255, " N$"},
        {"Label17", Kind::Label, 7080, 6360, 375, 255, " dh"},
        {"Label18", Kind::Label, 5640, 6360, 255, 255, " S"},
        {"Label19", Kind::Label, 8520, 6360, 375, 255, " Fh"},
        {"Label20", Kind::Label, 5760, 8040, 375, 255, " N$"},
        {"Label21", Kind::Label, 7200, 8040, 375, 255, " Hp"},
        {"Line1", Kind::Line, 5040, 7080, 9480, 7080, ""},
        {"Line2", Kind::Line, 5040, 7080, 5040, 9480, ""},
        {"Line3", Kind::Line, 5040, 9480, 9480, 9480, ""},
        {"Line4", Kind::Line, 9480, 7080, 9480, 9480, ""},
        {"Line5", Kind::Line, 5160, 7200, 9360, 7200, ""},
        {"Line6", Kind::Line, 5160, 9360, 9360, 9360, ""},
        {"Line7", Kind::Line, 5160, 7200, 5160, 9360, ""},
        {"Line8", Kind::Line, 9360, 7200, 9360, 9360, ""},
};

// Expected pixel rectangle: 15 twips a pixel; a one-pixel line covers both end points.
QRect expectedRect(const Control &control)
{
    if (control.kind != Kind::Line)
        return {control.left / 15, control.top / 15, control.width / 15, control.height / 15};
    return QRect(QPoint(control.left / 15, control.top / 15),
                 QPoint(control.width / 15, control.height / 15));
}

// The Qt class that draws each kind of control, in Kind's order.
const char *const classOfKind[] = {"QLineEdit", "QPushButton", "QLabel", "QFrame"};

QWidget *control(const QWidget *window, const char *name)
{
    return window->findChild<QWidget *>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

class ShownWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QWidget *control(const char *name) const { return ::control(&window, name); }

    ui::MainWindow window;
};

class EveryControl : public ShownWindow, public ::testing::WithParamInterface<Control>
{};

TEST_P(EveryControl, SitsAtItsPlaceWithItsCaptionAndName)
{
    const Control &expected = GetParam();
    QWidget *widget = control(expected.name);
    ASSERT_NE(widget, nullptr);
    EXPECT_TRUE(widget->inherits(classOfKind[int(expected.kind)]));
    EXPECT_EQ(widget->geometry(), expectedRect(expected));
    // A field's, button's or label's text; a line has none.
    EXPECT_EQ(widget->property("text").toString(), QString::fromUtf8(expected.caption));
}

class EveryTextControl : public EveryControl
{};

TEST_P(EveryTextControl, HasItsFont)
{
    const Control &expected = GetParam();
    const QString name = QString::fromLatin1(expected.name);
    const bool song = name == QStringLiteral("Label1") || name == QStringLiteral("Label6");
    const QFont font = control(expected.name)->font();
    const QFontInfo info(font);
    const int pixelSize = name == QStringLiteral("Label1")   ? 21
                          : name == QStringLiteral("Label6") ? 16
                                                             : 11;
    EXPECT_EQ(info.pixelSize(), pixelSize);
    EXPECT_TRUE(info.bold());
    EXPECT_FALSE(info.italic());
    EXPECT_FALSE(font.underline());
    EXPECT_FALSE(font.strikeOut());

    // Latin text and Han text each come from a named font; never a fontconfig guess that may
    // draw Chinese in Japanese shapes.
    // A Song face draws both; the sans serif captions take their Han text from WenQuanYi.
    const QStringList songFamilies = QStringLiteral("SimSun|宋体|AR PL UMing CN").split(u'|');
    const QStringList latinFamilies
            = song ? songFamilies
                   : QStringLiteral("Microsoft Sans Serif|Liberation Sans|DejaVu Sans").split(u'|');
    EXPECT_TRUE(latinFamilies.contains(info.family())) << info.family().toStdString();
    const QString hanFamily
            = QRawFont::fromFont(font, QFontDatabase::SimplifiedChinese).familyName();
    const QStringList hanFamilies
            = song ? songFamilies : QStringList{QStringLiteral("WenQuanYi Zen Hei")};
    EXPECT_TRUE(hanFamilies.contains(hanFamily)) << hanFamily.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Layout, EveryControl, ::testing::ValuesIn(controls), RowName());
// Lines come last in the table and show no text.
INSTANTIATE_TEST_SUITE_P(Fonts, EveryTextControl,
                         ::testing::ValuesIn(std::begin(controls), std::end(controls) - 8),
                         RowName());

TEST_F(ShownWindow, HasTheThirtyEightControlsAndNoOthers)
{
    EXPECT_EQ(window.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly).size(), 38);
    EXPECT_EQ(window.objectName(), QStringLiteral("Brannock"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Brannock"));
}

TEST_F(ShownWindow, OpensShowingTheLayoutWithAMarginAndMovesNothingWhenEnlarged)
{
    EXPECT_EQ(window.size(), QSize((8880 + 1215 + 240) / 15, (9480 + 240) / 15));
    const QRect text8 = control("Text8")->geometry();
    window.resize(1200, 900);
    QTest::qWait(0);
    EXPECT_EQ(control("Text8")->geometry(), text8);
    EXPECT_EQ(control("Label1")->geometry(), expectedRect(controls[11]));
}

TEST_F(ShownWindow, DrawsFieldsAndButtonsAboveTheLabelsAndLinesTheyTouch)
{
    const QObjectList order = window.children();
    int overlaps = 0;
    for (const Control &upper : controls) {
        if (upper.kind != Kind::Field && upper.kind != Kind::Button)
            continue;
        for (const Control &lower : controls) {
            if (lower.kind != Kind::Label && lower.kind != Kind::Line)
                continue;
            if (!expectedRect(upper).intersects(expectedRect(lower)))
                continue;
            ++overlaps;
            EXPECT_GT(order.indexOf(control(upper.name)), order.indexOf(control(lower.name)))
                    << upper.name << " under " << lower.name;
        }
    }
    EXPECT_GE(overlaps, 13); // every heading and symbol label touches its field
}

TEST_F(ShownWindow, PaintsTheBackgroundFrameAndButtonFacesInTheirColours)
{
    const QImage image = window.grab().toImage();
    ASSERT_EQ(image.devicePixelRatio(), 1.0);
    const QColor cyan(192, 255, 255);
    const QColor red(255, 0, 0);
    EXPECT_EQ(image.pixelColor(5, 5), cyan);
    EXPECT_EQ(image.pixelColor(669, 630), cyan); // inside the margin, right and below
    // Label1's background to the right of its caption is opaque cyan too.
    EXPECT_EQ(image.pixelColor((5880 + 3015) / 15 - 2, 4800 / 15 + 2), cyan);
    // Every corner of both rectangles is red, so the frame is closed.
    for (const QPoint corner :
         {QPoint(336, 472), QPoint(632, 472), QPoint(336, 632), QPoint(632, 632), QPoint(344, 480),
          QPoint(624, 480), QPoint(344, 624), QPoint(624, 624)})
        EXPECT_EQ(image.pixelColor(corner), red) << corner.x() << "," << corner.y();
    // Between the two rectangles the background shows: the lines are one pixel wide.
    EXPECT_EQ(image.pixelColor(340, 550), cyan);
    EXPECT_EQ(image.pixelColor(337, 550), cyan);
    // The button faces are painted light red, a little in from their edges.
    for (const char *name : {"Command1", "Command2"}) {
        const QRect face = control(name)->geometry();
        const QColor colour = image.pixelColor(face.left() + 5, face.center().y());
        EXPECT_EQ(colour.rgb(), qRgb(255, 192, 192)) << name << " " << colour.name().toStdString();
    }
}

TEST_F(ShownWindow, StartsWithEmptyFieldsAndTheFocusInText1)
{
    EXPECT_EQ(QApplication::focusWidget(), control("Text1"));
    for (const char *name :
         {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9"})
        EXPECT_TRUE(qobject_cast<QLineEdit *>(control(name))->text().isEmpty()) << name;
}

// A text longer than its field shows its beginning, also in a field the user typed into.
TEST_F(ShownWindow, AWrittenFieldShowsTheBeginningOfItsText)
{
    auto *text5 = qobject_cast<QLineEdit *>(control("Text5"));
    text5->setFocus();
    QTest::keyClicks(text5, QStringLiteral("typed by the user"));
    ASSERT_GT(text5->cursorPosition(), 0);
    platform::qt::QtFieldService fields(&window);
    const std::string summary = "  附合水准路线共有1234个待定点" + std::string(200, '.');
    fields.setFieldText(platform::Field::Text5, summary);
    EXPECT_EQ(text5->text().toStdString(), summary);
    EXPECT_EQ(text5->cursorPosition(), 0);
}

TEST_F(ShownWindow, TabVisitsTheElevenFocusableControlsInOrderAndWraps)
{
    const QStringList expected
            = QStringLiteral(
                      "Text2 Command1 Command2 Text3 Text4 Text6 Text7 Text8 Text5 Text9 Text1")
                      .split(u' ');
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, expected);
}

// What a screen reader says for each field, and the labels it names as the field's labels.
struct Spoken
{
    const char *name; // the field's
    const char *spoken;
    QStringList labels;
};

const Spoken spoken[] = {
        {"Text1", "起始点高程 Ha", {QStringLiteral("Label14"), QStringLiteral("Label12")}},
        {"Text2", "闭合点高程 Hb", {QStringLiteral("Label15"), QStringLiteral("Label13")}},
        {"Text3", "距离(前后视距和) S", {QStringLiteral("Label4"), QStringLiteral("Label18")}},
        {"Text4", "高差 dh", {QStringLiteral("Label5"), QStringLiteral("Label17")}},
        {"Text5", "未知点个数说明", {QStringLiteral("Label10")}},
        {"Text6", "点名 N$", {QStringLiteral("Label2"), QStringLiteral("Label20")}},
        {"Text7", "高程 Hp", {QStringLiteral("Label7"), QStringLiteral("Label21")}},
        {"Text8", "高差闭合差 Fh", {QStringLiteral("Label9"), QStringLiteral("Label19")}},
        {"Text9", "点名 N$", {QStringLiteral("Label11"), QStringLiteral("Label16")}},
};

class EveryField : public ShownWindow, public ::testing::WithParamInterface<Spoken>
{};

TEST_P(EveryField, IsNamedInChineseByItsHeadingAndSymbolWhichAreItsLabels)
{
    QAccessibleInterface *field = QAccessible::queryAccessibleInterface(control(GetParam().name));
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->text(QAccessible::Name), QString::fromUtf8(GetParam().spoken));
    QStringList labels;
    for (const auto &[label, relation] : field->relations(QAccessible::Label))
        labels << label->object()->objectName();
    labels.sort();
    QStringList expected = GetParam().labels;
    expected.sort();
    EXPECT_EQ(labels.join(QLatin1Char(' ')).toStdString(),
              expected.join(QLatin1Char(' ')).toStdString());
}

INSTANTIATE_TEST_SUITE_P(ScreenReader, EveryField, ::testing::ValuesIn(spoken), RowName());

// Dark text pixels (anti-aliased bold strokes reach near black) inside a control's place.
int darkPixels(const QImage &image, const QRect &area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            count += std::max({colour.red(), colour.green(), colour.blue()}) < 100;
        }
    }
    return count;
}

// Under a dark theme the captions stay black on their fixed colours, while the fields and the
// prompt boxes keep the theme's dark background and light text.
TEST(DarkTheme, LeavesCaptionsBlackAndFieldsAndPromptsToTheTheme)
{
    struct RestoredPalette
    {
        QPalette saved = QApplication::palette();
        ~RestoredPalette() { QApplication::setPalette(saved); }
    } restored;
    QPalette dark(QColor(53, 53, 53), QColor(40, 40, 40));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, QColor(238, 238, 236));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    QApplication::setPalette(dark);

    ui::MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QImage image = window.grab().toImage();
    for (const Control &expected : controls) {
        const QRect place = expectedRect(expected);
        if (expected.kind == Kind::Label || expected.kind == Kind::Button) {
            // Each control alone, inside the buttons' dark edges: only its caption can be dark.
            const QImage own = control(&window, expected.name)->grab().toImage();
            const int edge = expected.kind == Kind::Button ? 3 : 0;
            EXPECT_GT(darkPixels(own, own.rect().adjusted(edge, edge, -edge, -edge)), 0)
                    << expected.name;
        } else if (expected.kind == Kind::Field) {
            const QPalette field = control(&window, expected.name)->palette();
            EXPECT_EQ(field.color(QPalette::Base), dark.color(QPalette::Base)) << expected.name;
            EXPECT_EQ(field.color(QPalette::Text), dark.color(QPalette::Text)) << expected.name;
            const QRect inside = place.adjusted(3, 3, -3, -3);
            EXPECT_GE(darkPixels(image, inside), inside.width() * inside.height() * 9 / 10)
                    << expected.name;
        }
    }
    const QInputDialog prompt(&window);
    EXPECT_EQ(prompt.palette().color(QPalette::Window), dark.color(QPalette::Window));
    EXPECT_EQ(prompt.palette().color(QPalette::WindowText), dark.color(QPalette::WindowText));
}

struct Key
{
    const char *name;
    Qt::Key key;
};

class KeyInAField : public ShownWindow, public ::testing::WithParamInterface<Key>
{};

TEST_P(KeyInAField, ClicksNoButton)
{
    PromptAnswerer answerer(QStringList{}); // any prompt would be a run started
    QSignalSpy command1(qobject_cast<QPushButton *>(control("Command1")), &QPushButton::clicked);
    QSignalSpy command2(qobject_cast<QPushButton *>(control("Command2")), &QPushButton::clicked);
    for (const char *name :
         {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9"}) {
        control(name)->setFocus();
        QTest::keyClick(control(name), GetParam().key);
    }
    QTest::qWait(10);
    EXPECT_EQ(command1.count(), 0);
    EXPECT_EQ(command2.count(), 0);
    EXPECT_TRUE(answerer.asked.isEmpty());
    EXPECT_TRUE(window.isVisible());
}

INSTANTIATE_TEST_SUITE_P(EnterAndEsc, KeyInAField,
                         ::testing::Values(Key{"Return", Qt::Key_Return},
                                           Key{"Enter", Qt::Key_Enter},
                                           Key{"Escape", Qt::Key_Escape}),
                         RowName());

} // namespace
