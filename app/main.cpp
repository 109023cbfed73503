// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow.h"

#include "fonts.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brannock"));
    QApplication::setDesktopFileName(QStringLiteral("brannock"));
    // The prompt and message boxes speak Chinese; name a font that has its glyphs.
    QApplication::setFont(platform::qt::fontFor(QStringLiteral("Microsoft Sans Serif"), 12, false));

    ui::MainWindow window;
    window.show();
    return QApplication::exec();
}
