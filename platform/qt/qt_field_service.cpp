// SPDX-License-Identifier: GPL-3.0-or-later
// The window's fields written through Qt.

#include "qt_field_service.h"

#include "text.h"

#include <QLineEdit>

namespace platform::qt {

QtFieldService::QtFieldService(QWidget *window)
    : m_window(window)
{}

void QtFieldService::setFieldText(Field field, const std::string &text)
{
    if (!m_window)
        return;
    auto *edit = m_window->findChild<QLineEdit *>(QString::fromLatin1(fieldName(field)),
                                                  Qt::FindDirectChildrenOnly);
    if (!edit)
        return;
    edit->setText(toQString(text));
    edit->setCursorPosition(0);
}

} // namespace platform::qt
