// SPDX-License-Identifier: GPL-3.0-or-later
// The one main of the Qt test programs: offscreen unless a platform is named, so the tests also
// run where ctest lists them, and the program's font. Built with KIT_PRIVATE_HOME for a suite
// whose windows save reports in this process: a temporary home with no printer; without it for
// the print queue tests and their window run, which live in the home their starter gives.

#include "temporary_home.h"

#include "fonts.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef KIT_PRIVATE_HOME
    kit::TemporaryHome home;
    if (!home.isValid())
        return 1;
    home.makeCurrent();
#endif
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setFont(platform::qt::fontFor(QStringLiteral("Microsoft Sans Serif"), 12, false));
    return RUN_ALL_TESTS();
}
