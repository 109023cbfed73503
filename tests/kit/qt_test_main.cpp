// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt_test_main.h"

#include "temporary_home.h"

#include "fonts.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <optional>

namespace kit {

int runQtTests(int argc, char *argv[], Home home)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::optional<TemporaryHome> ownHome;
    if (home == Home::Private) {
        ownHome.emplace();
        if (!ownHome->isValid())
            return 1;
        ownHome->makeCurrent();
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setFont(platform::qt::fontFor(QStringLiteral("Microsoft Sans Serif"), 12, false));
    return RUN_ALL_TESTS();
}

} // namespace kit
