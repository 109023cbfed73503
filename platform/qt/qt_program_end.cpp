// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt_program_end.h"

#include <QCoreApplication>

namespace platform::qt {

void QtProgramEnd::endProgram()
{
    QCoreApplication::exit(0);
}

} // namespace platform::qt
