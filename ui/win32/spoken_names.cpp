// SPDX-License-Identifier: GPL-3.0-or-later
// The fields' spoken names as Windows accessibility annotations.

#include "spoken_names.h"

#include "mainwindow.h"
#include "utf16.h"

#include <ole2.h>
#include <oleacc.h>

#include <utility>

namespace ui {

namespace {

// The accessibility annotations, from oleacc.dll through COM, so that nothing of it is imported.
constexpr GUID accPropServicesClass{
        0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr GUID accPropServicesInterface{
        0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr GUID accNameProperty{
        0x608d3df8, 0x8128, 0x4aa7, {0xa4, 0x28, 0xf5, 0x5e, 0x49, 0x26, 0x72, 0x91}};

IAccPropServices *accessibility(IUnknown *unknown)
{
    return static_cast<IAccPropServices *>(unknown);
}

} // namespace

void SpokenNames::set(HWND window)
{
    clear();
    void *services = nullptr;
    if (FAILED(CoCreateInstance(accPropServicesClass, nullptr, CLSCTX_INPROC_SERVER,
                                accPropServicesInterface, &services)))
        return;
    m_services = static_cast<IAccPropServices *>(services);
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        const design::FieldLabels &names = design::fieldLabels[i];
        m_fields[i] = GetDlgItem(window, MainWindow::controlId(names.field));
        accessibility(m_services)
                ->SetHwndPropStr(m_fields[i], static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                 accNameProperty,
                                 platform::win32::toUtf16(design::spokenName(names)).c_str());
    }
}

void SpokenNames::clear()
{
    if (!m_services)
        return;
    for (HWND field : m_fields) {
        MSAAPROPID name = accNameProperty;
        accessibility(m_services)
                ->ClearHwndProps(field, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, &name, 1);
    }
    std::exchange(m_services, nullptr)->Release();
}

} // namespace ui
