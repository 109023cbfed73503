// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow.h"

#include "layout.h"

#include "fonts.h"
#include "qt_printer_surface.h"
#include "report_document.h"
#include "run.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <utility>
#include <vector>

namespace ui {

namespace {

constexpr QRgb windowColour = qRgb(192, 255, 255);
constexpr QRgb buttonColour = qRgb(255, 192, 192);
constexpr QRgb lineColour = qRgb(255, 0, 0);
// Captions are drawn on fixed light backgrounds, so their colour is fixed too: a theme's text
// colour (light under a dark theme) would be unreadable on them.
constexpr QRgb captionColour = qRgb(0, 0, 0);
// The buttons' faces in their own colour with a raised edge. Styles shade a palette's button
// colour (Fusion pales it to near white), so the face is given by a style sheet.
constexpr char buttonStyle[]
        = "QPushButton { background-color: rgb(255, 192, 192); color: rgb(0, 0, 0);"
          " border-style: solid; border-width: 1px 2px 2px 1px; border-radius: 0px;"
          " border-color: rgb(255, 255, 255) rgb(96, 96, 96) rgb(96, 96, 96) rgb(255, 255, 255); }"
          "QPushButton:focus { border-color: rgb(0, 0, 0); }"
          "QPushButton:pressed { border-width: 2px 1px 1px 2px;"
          " border-color: rgb(96, 96, 96) rgb(255, 255, 255) rgb(255, 255, 255) rgb(96, 96, 96); }";

QRect pixelRect(const layout::Rect &box)
{
    return {layout::px(box.left), layout::px(box.top), layout::px(box.width),
            layout::px(box.height)};
}

// The layout's three fonts, built once: each names families that are looked up among the
// installed ones, which costs a walk over the font database.
struct Fonts
{
    QFont standard = platform::qt::fontFor(QStringLiteral("Microsoft Sans Serif"),
                                           layout::standardPixelSize, true);
    QFont title = platform::qt::fontFor(QStringLiteral("宋体"), layout::titlePixelSize, true);
    QFont heading = platform::qt::fontFor(QStringLiteral("宋体"), layout::headingPixelSize, true);

    const QFont &of(layout::Font font) const
    {
        switch (font) {
        case layout::Font::Title:
            return title;
        case layout::Font::Heading:
            return heading;
        case layout::Font::Standard:
            break;
        }
        return standard;
    }
};

void name(QWidget *widget, const char *controlName)
{
    widget->setObjectName(QString::fromLatin1(controlName));
}

// What a screen reader calls a field: its heading and its symbol ("起始点高程 Ha"), without the
// blanks that spread the heading's characters on screen.
QString spokenName(const QLabel *heading, const QLabel *symbol)
{
    QString name = heading->text();
    name.remove(QLatin1Char(' '));
    if (symbol)
        name += QLatin1Char(' ') + symbol->text().trimmed();
    return name;
}

void paint(QWidget *widget, QPalette::ColorRole role, QRgb colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QWidget(parent)
    , m_prompts(this)
    , m_fields(this)
{
    name(this, "Brannock");
    setWindowTitle(QStringLiteral("Brannock"));
    paint(this, QPalette::Window, windowColour);
    setAutoFillBackground(true);
    const Fonts fonts;
    setFont(fonts.standard);

    // Labels and lines first: later siblings are drawn above earlier ones, and fields and
    // buttons must cover the labels' overlapping edges.
    for (const layout::Label &control : layout::labels) {
        auto *label = new QLabel(QString::fromUtf8(control.caption), this);
        name(label, control.name);
        label->setGeometry(pixelRect(control.box));
        label->setFont(fonts.of(control.font));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(false);
        label->setAutoFillBackground(true);
        paint(label, QPalette::Window, windowColour);
        paint(label, QPalette::WindowText, captionColour);
    }
    for (const layout::LineEnds &ends : layout::lines) {
        auto *line = new QFrame(this);
        name(line, ends.name);
        // One pixel wide, both end points included, so the frame's corners close.
        line->setGeometry(layout::px(std::min(ends.x1, ends.x2)),
                          layout::px(std::min(ends.y1, ends.y2)),
                          layout::px(std::abs(ends.x2 - ends.x1)) + 1,
                          layout::px(std::abs(ends.y2 - ends.y1)) + 1);
        line->setFrameShape(QFrame::NoFrame);
        line->setAutoFillBackground(true);
        paint(line, QPalette::Window, lineColour);
    }

    std::vector<std::pair<int, QWidget *>> focusable;
    for (const layout::Field &control : layout::fields) {
        auto *edit = new QLineEdit(this);
        name(edit, control.name);
        edit->setGeometry(pixelRect(control.box));
        edit->setMaxLength(std::numeric_limits<int>::max());
        focusable.emplace_back(control.tabIndex, edit);
    }
    for (const layout::FieldLabels &names : layout::fieldLabels) {
        auto *field = findChild<QLineEdit *>(QString::fromLatin1(names.field));
        auto *heading = findChild<QLabel *>(QString::fromLatin1(names.heading));
        auto *symbol
                = names.symbol ? findChild<QLabel *>(QString::fromLatin1(names.symbol)) : nullptr;
        field->setAccessibleName(spokenName(heading, symbol));
        heading->setBuddy(field);
        if (symbol)
            symbol->setBuddy(field);
    }
    for (const layout::Button &control : layout::buttons) {
        auto *button = new QPushButton(QString::fromUtf8(control.caption), this);
        name(button, control.name);
        button->setGeometry(pixelRect(control.box));
        // Neither is the default nor the cancel button: Enter and Esc in a field click none.
        button->setAutoDefault(false);
        button->setDefault(false);
        paint(button, QPalette::Button, buttonColour);
        button->setStyleSheet(QString::fromLatin1(buttonStyle));
        focusable.emplace_back(control.tabIndex, button);
    }
    connect(findChild<QPushButton *>(QStringLiteral("Command1")), &QPushButton::clicked, this,
            &MainWindow::Command1_Click);
    connect(findChild<QPushButton *>(QStringLiteral("Command2")), &QPushButton::clicked, this,
            &MainWindow::Command2_Click);

    std::sort(focusable.begin(), focusable.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusable.size(); ++i)
        setTabOrder(focusable[i - 1].second, focusable[i].second);
    focusable.front().second->setFocus();

    resize(layout::px(layout::openWidth), layout::px(layout::openHeight));
}

void MainWindow::Command1_Click()
{
    platform::qt::QtReportOutput output;
    adjustment::ReportDocument printer(output);
    platform::Services services{m_prompts, m_fields, printer};
    try {
        adjustment::performRun(services);
    } catch (const platform::ProgramEnding &) {
        // The program is ending; the run is dropped and the event loop finishes the quit.
    }
}

void MainWindow::Command2_Click()
{
    m_programEnd.endProgram();
}

} // namespace ui
