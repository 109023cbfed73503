// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's side of the print system: finds and loads the plugin brannock_print_queue on
// first use. Nothing of Qt Print Support or libcups is loaded before.

#include "print_queue.h"

#include <QString>

namespace platform::qt {

// The plugin's print system, or null with the reason in `error` when the plugin is missing or
// does not fit this program. The plugin stays loaded until the program ends.
PrintQueueSystem *loadPrintQueueSystem(QString *error);

} // namespace platform::qt
