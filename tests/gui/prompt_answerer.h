#pragma once

// Answers the modal boxes of a run as a user would: types the reply into the prompt box and
// presses Enter, and presses the button of a message box. A prompt with no reply left fails
// the test and is cancelled; after many of them the test stops, so a wrong chain fails instead
// of hanging.

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <utility>

// Types text key by key; characters beyond ASCII (Chinese, full-width digits) arrive as keys
// that carry their text, as an input method delivers them.
inline void typeText(QWidget *widget, const QString &text)
{
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80)
            QTest::keyClick(widget, char(ch.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

class PromptAnswerer
{
public:
    explicit PromptAnswerer(QStringList replies)
        : m_replies(std::move(replies))
    {
        QObject::connect(&m_poll, &QTimer::timeout, &m_poll, [this] { answerIfShown(); });
        m_poll.start(0); // fires inside the box's own event loop
    }

    // Called with the prompt's number (from 0) and the box, before the reply is typed.
    std::function<void(int, QInputDialog *)> onPrompt;

    QStringList asked;    // prompt texts, in order
    QStringList messages; // message box texts, in order

private:
    void answerIfShown()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            messages << box->text();
            QTest::keyClick(box, Qt::Key_Return);
            return;
        }
        auto *dialog = qobject_cast<QInputDialog *>(modal);
        if (!dialog)
            return;
        const int index = int(asked.size());
        asked << dialog->labelText();
        if (m_replies.isEmpty()) {
            ADD_FAILURE() << "unexpected prompt: " << dialog->labelText().toStdString();
            if (++m_unexpected > 50)
                std::abort();
            dialog->reject();
            return;
        }
        if (onPrompt)
            onPrompt(index, dialog);
        auto *edit = dialog->findChild<QLineEdit *>();
        typeText(edit, m_replies.takeFirst());
        QTest::keyClick(edit, Qt::Key_Return);
    }

    QStringList m_replies;
    QTimer m_poll;
    int m_unexpected = 0;
};
