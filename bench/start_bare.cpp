// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's floor for start-up: a plain QWidget of the program window's size, in an application set
// up as the program's, shown, then ended after its first frame.

#include "first_frame.h"

#include "design.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    const auto mainAt = bench::monotonicNs();
    QApplication app(argc, argv);
    bench::setUpLikeTheProgram();
    bench::FirstFrame probe(mainAt);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Brannock"));
    // The program window's size, so both paint the same area.
    window.resize(design::px(design::openWidth), design::px(design::openHeight));
    probe.watch(&window);
    window.show();
    return QApplication::exec();
}
