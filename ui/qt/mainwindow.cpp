// SPDX-License-Identifier: GPL-3.0-or-later
// The window Brannock in Qt widgets, each placed, coloured and given its font and tab stop as the
// design says; its click handlers.

#include "mainwindow.h"

#include "design.h"

#include "fonts.h"
#include "qt_printer_surface.h"
#include "run.h"
#include "text.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cstddef>

namespace ui {

namespace {

using platform::qt::toQString;

QColor colour(const design::Rgb &rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

QString cssColour(const design::Rgb &rgb)
{
    return QStringLiteral("rgb(%1, %2, %3)").arg(rgb.red).arg(rgb.green).arg(rgb.blue);
}

// The buttons' faces in their own colour with a raised edge. Styles shade a palette's button
// colour (Fusion pales it to near white), so the face is given by a style sheet.
QString buttonStyle()
{
    return QStringLiteral("QPushButton { background-color: %1; color: %2;"
                          " border-style: solid; border-width: 1px 2px 2px 1px; border-radius: 0px;"
                          " border-color: rgb(255, 255, 255) rgb(96, 96, 96) rgb(96, 96, 96)"
                          " rgb(255, 255, 255); }"
                          "QPushButton:focus { border-color: rgb(0, 0, 0); }"
                          "QPushButton:pressed { border-width: 2px 1px 1px 2px;"
                          " border-color: rgb(96, 96, 96) rgb(255, 255, 255) rgb(255, 255, 255)"
                          " rgb(96, 96, 96); }")
            .arg(cssColour(design::buttonColour), cssColour(design::captionColour));
}

// Qt lays out in logical pixels, at 96 dots per inch.
template<typename Control>
QRect pixelRect(const Control &control)
{
    const design::PixelRect box = design::pixelRect(control, design::logicalDpi);
    return {box.left, box.top, box.width, box.height};
}

void name(QWidget *widget, std::string_view controlName)
{
    widget->setObjectName(toQString(controlName));
}

template<typename Control>
Control *child(const QWidget *window, std::string_view controlName)
{
    return window->findChild<Control *>(toQString(controlName), Qt::FindDirectChildrenOnly);
}

void paint(QWidget *widget, QPalette::ColorRole role, const design::Rgb &rgb)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour(rgb));
    widget->setPalette(palette);
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QWidget(parent)
    , m_prompts(this)
    , m_fields(this)
{
    name(this, design::windowName);
    setWindowTitle(toQString(design::windowCaption));
    paint(this, QPalette::Window, design::windowColour);
    setAutoFillBackground(true);
    // Each font names families that are looked up among the installed ones, a walk over the font
    // database: they are made once.
    const design::WindowFonts<QFont> fonts(
            [](design::Font font) { return platform::qt::fontFor(font); });

    // Labels and lines first: later siblings are drawn above earlier ones, and fields and
    // buttons must cover the labels' overlapping edges.
    for (const design::Label &control : design::labels) {
        auto *label = new QLabel(toQString(control.caption), this);
        name(label, control.name);
        label->setGeometry(pixelRect(control.box));
        label->setFont(fonts.of(control));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(false);
        label->setAutoFillBackground(true);
        paint(label, QPalette::Window, design::windowColour);
        paint(label, QPalette::WindowText, design::captionColour);
    }
    for (const design::LineEnds &ends : design::lines) {
        auto *line = new QFrame(this);
        name(line, ends.name);
        line->setGeometry(pixelRect(ends));
        line->setFrameShape(QFrame::NoFrame);
        line->setAutoFillBackground(true);
        paint(line, QPalette::Window, design::lineColour);
    }

    for (const design::Field &control : design::fields) {
        auto *edit = new QLineEdit(this);
        name(edit, control.name);
        edit->setGeometry(pixelRect(control.box));
        edit->setFont(fonts.of(control));
        edit->setMaxLength(design::noLengthLimit);
    }
    for (const design::FieldLabels &names : design::fieldLabels) {
        auto *field = child<QLineEdit>(this, names.field);
        field->setAccessibleName(toQString(design::spokenName(names)));
        child<QLabel>(this, names.heading)->setBuddy(field);
        if (!names.symbol.empty())
            child<QLabel>(this, names.symbol)->setBuddy(field);
    }
    const QString buttonSheet = buttonStyle();
    for (const design::Button &control : design::buttons) {
        auto *button = new QPushButton(toQString(control.caption), this);
        name(button, control.name);
        button->setGeometry(pixelRect(control.box));
        button->setFont(fonts.of(control));
        // Neither is the default nor the cancel button: Enter and Esc in a field click none.
        button->setAutoDefault(false);
        button->setDefault(false);
        paint(button, QPalette::Button, design::buttonColour);
        button->setStyleSheet(buttonSheet);
    }
    connect(child<QPushButton>(this, "Command1"), &QPushButton::clicked, this,
            &MainWindow::Command1_Click);
    connect(child<QPushButton>(this, "Command2"), &QPushButton::clicked, this,
            &MainWindow::Command2_Click);

    for (std::size_t i = 1; i < design::tabOrder.size(); ++i) {
        setTabOrder(child<QWidget>(this, design::tabOrder[i - 1].name),
                    child<QWidget>(this, design::tabOrder[i].name));
    }
    child<QWidget>(this, design::tabOrder.front().name)->setFocus();

    resize(design::px(design::openWidth), design::px(design::openHeight));
}

void MainWindow::Command1_Click()
{
    platform::qt::QtReportOutput output;
    m_runs.start(m_prompts, m_fields, output);
}

void MainWindow::Command2_Click()
{
    m_programEnd.endProgram();
}

} // namespace ui
