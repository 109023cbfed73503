// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the program's window: built and shown as app/qt/main.cpp does, then ends after its
// first frame.

#include "first_frame.h"

#include "mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const auto mainAt = bench::monotonicNs();
    QApplication app(argc, argv);
    bench::setUpLikeTheProgram();
    bench::FirstFrame probe(mainAt);

    ui::MainWindow window;
    probe.watch(&window);
    window.show();
    return QApplication::exec();
}
