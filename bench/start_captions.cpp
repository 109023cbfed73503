// SPDX-License-Identifier: GPL-3.0-or-later
// The captions floor for start-up: the window's 21 captions (19 labels, 2 buttons) in the same
// fonts, at the same places, on the window's colour, and nothing else: no fields, no lines, no
// painted button faces or style sheet, no services, no click handlers. What any window showing
// this text pays, shown, then ended after its first frame.

#include "first_frame.h"

#include "design.h"
#include "fonts.h"
#include "text.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace {

QRect pixels(const design::Rect &box)
{
    const design::PixelRect rect = design::pixelRect(box, design::logicalDpi);
    return {rect.left, rect.top, rect.width, rect.height};
}

} // namespace

int main(int argc, char *argv[])
{
    const auto mainAt = bench::monotonicNs();
    QApplication app(argc, argv);
    bench::setUpLikeTheProgram();
    bench::FirstFrame probe(mainAt);

    using namespace design;
    QWidget window;
    window.setWindowTitle(QStringLiteral("Brannock"));
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(192, 255, 255));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    const WindowFonts<QFont> fonts([](Font font) { return platform::qt::fontFor(font); });
    for (const Label &control : labels) {
        auto *label = new QLabel(platform::qt::toQString(control.caption), &window);
        label->setGeometry(pixels(control.box));
        label->setFont(fonts.of(control));
    }
    for (const Button &control : buttons) {
        auto *button = new QPushButton(platform::qt::toQString(control.caption), &window);
        button->setGeometry(pixels(control.box));
        button->setFont(fonts.of(control));
    }
    window.resize(px(openWidth), px(openHeight));
    probe.watch(&window);
    window.show();
    return QApplication::exec();
}
