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
    using design::px;
    return {px(box.left), px(box.top), px(box.width), px(box.height)};
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
    const QFont standard = platform::qt::fontFor(Font::Standard);
    const QFont title = platform::qt::fontFor(Font::Title);
    const QFont heading = platform::qt::fontFor(Font::Heading);
    window.setFont(standard);
    for (const Label &control : labels) {
        auto *label = new QLabel(platform::qt::toQString(control.caption), &window);
        label->setGeometry(pixels(control.box));
        if (control.font != Font::Standard)
            label->setFont(control.font == Font::Title ? title : heading);
    }
    for (const Button &control : buttons) {
        auto *button = new QPushButton(platform::qt::toQString(control.caption), &window);
        button->setGeometry(pixels(control.box));
    }
    window.resize(px(openWidth), px(openHeight));
    probe.watch(&window);
    window.show();
    return QApplication::exec();
}
