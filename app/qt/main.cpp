// SPDX-License-Identifier: GPL-3.0-or-later
// The Linux program: the application and its one window.

#include "mainwindow.h"

#include "design.h"
#include "fonts.h"
#include "text.h"
#include "texts.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(platform::qt::toQString(adjustment::texts::ProgramName));
    QApplication::setDesktopFileName(QStringLiteral("brannock"));
    // The prompt and message boxes speak Chinese; their font has its glyphs.
    QApplication::setFont(platform::qt::fontFor(design::Font::Boxes));

    ui::MainWindow window;
    window.show();
    return QApplication::exec();
}
