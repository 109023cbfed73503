// SPDX-License-Identifier: GPL-3.0-or-later
// Test main for the print queue tests: each test gives the processes it starts a home of their
// own (kit::TemporaryHome).

#include "qt_test_main.h"

int main(int argc, char *argv[])
{
    return kit::runQtTests(argc, argv, kit::Home::Inherited);
}
