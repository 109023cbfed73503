// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform.h"

namespace platform::qt {

// Leaves the application's event loops; the program returns from main with status 0.
class QtProgramEnd final : public ProgramEnd
{
public:
    void endProgram() override;
};

} // namespace platform::qt
