// SPDX-License-Identifier: GPL-3.0-or-later
// Test main for the print queue tests. The tests themselves start processes only (the scheduler,
// the lp tools, the window runs, poppler's tools), so a core application is enough.

#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char *argv[])
{
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
