// SPDX-License-Identifier: GPL-3.0-or-later
// The main of the Qt test programs: offscreen unless a platform is named, so the tests also run
// where ctest lists them, the program's font, and with KIT_PRIVATE_HOME a temporary home with no
// printer, for a suite whose windows save reports; else the home its starter gave.

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
