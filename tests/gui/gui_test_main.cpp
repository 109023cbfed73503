// SPDX-License-Identifier: GPL-3.0-or-later
// Test main for the window tests: a home of their own with no printer, so saved reports land in
// a folder of the tests' own.

#include "qt_test_main.h"

int main(int argc, char *argv[])
{
    return kit::runQtTests(argc, argv, kit::Home::Private);
}
