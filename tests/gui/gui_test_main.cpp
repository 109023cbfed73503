// SPDX-License-Identifier: GPL-3.0-or-later
// Test main for the window tests: offscreen unless a platform is named, never a real printer,
// and a temporary home so saved reports land in a folder of the tests' own.

#include "fonts.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("CUPS_SERVER", "/nonexistent/brannock-tests/cups.sock");
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral(".config"))));

    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setFont(platform::qt::fontFor(QStringLiteral("Microsoft Sans Serif"), 12, false));
    return RUN_ALL_TESTS();
}
