// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The fields' names for a screen reader (design::spokenName), set on the fields through Windows'
// accessibility annotations and taken off them again while they exist.

#include "design.h"

#include <windows.h>

#include <unknwn.h>

#include <array>

namespace ui {

class SpokenNames
{
public:
    SpokenNames() = default;
    ~SpokenNames() { clear(); }
    SpokenNames(const SpokenNames &) = delete;
    SpokenNames &operator=(const SpokenNames &) = delete;

    // Names each field of the window; without COM's accessibility service the fields keep the
    // names the system gives them.
    void set(HWND window);
    // Takes the names off the fields; does nothing when none are set.
    void clear();

private:
    IUnknown *m_services = nullptr; // oleacc's IAccPropServices, while names are set
    std::array<HWND, design::fieldLabels.size()> m_fields{};
};

} // namespace ui
