#pragma once

// The program's side of the print system: finds and loads the module brannock_print_queue on
// first use. Nothing of Qt Print Support or libcups is loaded before.

#include "print_queue_module.h"

#include <QString>

namespace platform::qt {

// The loaded module's table, or null with the reason in `error` when the module is missing or
// does not fit this program. The module stays loaded until the program ends.
const PrintQueueModule *loadPrintQueueModule(QString *error);

} // namespace platform::qt
