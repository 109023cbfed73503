// SPDX-License-Identifier: GPL-3.0-or-later
// The program ended through Qt's event loop.

#include "qt_program_end.h"

#include <QCoreApplication>

namespace platform::qt {

void QtProgramEnd::endProgram()
{
    QCoreApplication::exit(0);
}

} // namespace platform::qt
