// SPDX-License-Identifier: GPL-3.0-or-later
// The prompt and message boxes as Qt dialogs.

#include "qt_prompt_service.h"

#include "box.h"
#include "design.h"
#include "text.h"

#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace platform::qt {

QtPromptService::QtPromptService(QWidget *window)
    : m_window(window)
{}

std::string QtPromptService::inputBox(const std::string &prompt)
{
    // On the heap like QInputDialog::getText: exec() deletes a box marked delete-on-close when it
    // returns, and returns Rejected should the window take the box with it while it is open.
    auto *dialog = new QInputDialog(m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(toQString(design::boxCaption));
    dialog->setInputMode(QInputDialog::TextInput);
    // The edit line's default limit of 32767 characters would cut a long reply without a word.
    if (auto *line = dialog->findChild<QLineEdit *>())
        line->setMaxLength(design::noLengthLimit);
    dialog->setLabelText(toQString(prompt));
    dialog->setTextValue(QString());
    dialog->setOkButtonText(toQString(design::okCaption));
    dialog->setCancelButtonText(toQString(design::cancelCaption));
    dialog->setMinimumWidth(design::boxMeasures.promptMinimum);
    for (QLabel *label : dialog->findChildren<QLabel *>())
        label->setWordWrap(true);

    QString reply;
    bool answered = false;
    QObject::connect(dialog, &QInputDialog::textValueSelected, dialog,
                     [&reply](const QString &text) { reply = text; });
    QObject::connect(dialog, &QDialog::finished, dialog, [&answered] { answered = true; });
    const int result = dialog->exec();
    // Once the application is told to quit, every box returns at once without an answer; asking
    // again would never end.
    if (!answered)
        throw ProgramEnding();
    if (result != QDialog::Accepted)
        return {};
    return toStdString(reply);
}

void QtPromptService::showMessage(const std::string &text)
{
    auto *box = new QMessageBox(m_window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setIcon(QMessageBox::Information);
    box->setWindowTitle(toQString(design::boxCaption));
    box->setText(toQString(text));
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPushButton *ok = box->addButton(toQString(design::okCaption), QMessageBox::AcceptRole);
    box->setDefaultButton(ok);
    box->setEscapeButton(ok);
    box->exec();
}

} // namespace platform::qt
