// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Answers the modal boxes of a run as a user would, from a zero-interval timer that fires inside
// each box's own event loop: plays the replies in order on the prompt boxes, and presses the
// button of the run's message box. Whatever else comes up fails the test and is closed the way
// that ends a run soonest, so a wrong chain fails instead of hanging or aborting:
// - a prompt with no reply left (the abandon question is answered with zero, any other prompt
//   cancelled), or, where the replies name their prompts, a different prompt;
// - more message boxes than the run may show;
// - a modal box of any other kind.
// With a window given, every box must come up modal over it.

#include "texts.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <utility>
#include <vector>

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

// What the user does with a prompt box.
enum class Act {
    Type,  // types the text key by key and presses Enter
    Paste, // puts the text into the line at once, as a paste does, and presses Enter
    // The next three type "12" first: a dismissed box gives no reply, whatever its line holds.
    Cancel, // clicks Cancel
    Escape, // presses Esc
    Frame,  // closes the box by its frame, as the window manager asks
};

struct Reply
{
    QString prompt; // expected, exactly as the box shows it; not checked when null
    Act act = Act::Type;
    QString text;
};

class PromptAnswerer
{
public:
    // Each reply typed and confirmed with Enter, whatever the prompt.
    explicit PromptAnswerer(const QStringList &replies, QWidget *window = nullptr)
        : PromptAnswerer(std::vector<Reply>(), window)
    {
        for (const QString &text : replies)
            m_replies.push_back({QString(), Act::Type, text});
    }
    explicit PromptAnswerer(const std::vector<Reply> &replies, QWidget *window = nullptr)
        : m_replies(replies.begin(), replies.end())
        , m_window(window)
    {
        QObject::connect(&m_poll, &QTimer::timeout, &m_poll, [this] { answerIfShown(); });
        m_poll.start(0);
    }

    bool answeredAll() const { return m_replies.empty(); }
    QString nextPrompt() const { return m_replies.empty() ? QString() : m_replies.front().prompt; }

    // Called with the prompt's number (from 0) and the box, before the reply is given.
    std::function<void(int, QInputDialog *)> onPrompt;
    // How many message boxes the run may show: a run ends with at most one.
    int messagesAllowed = 1;

    QStringList asked;    // prompt texts, in order
    QStringList messages; // message box texts, in order

private:
    // A box's words, for a failure that names it.
    static QString wordsOf(QWidget *box)
    {
        QStringList words = {box->windowTitle()};
        for (const QLabel *label : box->findChildren<QLabel *>())
            words << label->text();
        words.removeAll(QString());
        return words.join(QStringLiteral(" | "));
    }

    void answerIfShown()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || !onScreen(modal))
            return;
        if (m_window) {
            EXPECT_EQ(modal->parentWidget(), m_window);
            EXPECT_EQ(modal->windowHandle()->transientParent(), m_window->windowHandle());
            EXPECT_TRUE(modal->isModal());
        }
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            messages << box->text();
            if (messages.size() > messagesAllowed)
                ADD_FAILURE() << "unexpected message box: " << box->text().toStdString();
            QTest::keyClick(box, Qt::Key_Return);
            return;
        }
        auto *prompt = qobject_cast<QInputDialog *>(modal);
        if (!prompt) {
            ADD_FAILURE() << "unexpected " << modal->metaObject()->className() << ": "
                          << wordsOf(modal).toStdString();
            if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
            else
                modal->close();
            return;
        }
        auto *edit = prompt->findChild<QLineEdit *>();
        const QString label = prompt->labelText();
        asked << label;
        if (m_replies.empty()) {
            ADD_FAILURE() << "unexpected prompt " << asked.size() << ": "
                          << label.left(200).toStdString();
            if (label.toStdString() == adjustment::texts::AbandonQuestion) {
                QTest::keyClick(edit, Qt::Key_0);
                QTest::keyClick(edit, Qt::Key_Return);
            } else {
                prompt->reject();
            }
            return;
        }
        const Reply reply = m_replies.front();
        m_replies.pop_front();
        if (!reply.prompt.isNull()) {
            EXPECT_EQ(label, reply.prompt) << "prompt " << asked.size();
        }
        if (onPrompt)
            onPrompt(int(asked.size()) - 1, prompt);
        give(prompt, edit, reply);
    }

    static void give(QInputDialog *prompt, QLineEdit *edit, const Reply &reply)
    {
        switch (reply.act) {
        case Act::Type:
            typeText(edit, reply.text);
            QTest::keyClick(edit, Qt::Key_Return);
            break;
        case Act::Paste:
            edit->setText(reply.text);
            EXPECT_EQ(prompt->textValue().size(), reply.text.size()) << "the box cut a pasted line";
            QTest::keyClick(edit, Qt::Key_Return);
            break;
        case Act::Cancel:
            typeText(edit, QStringLiteral("12"));
            QTest::mouseClick(
                    prompt->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel),
                    Qt::LeftButton);
            break;
        case Act::Escape:
            typeText(edit, QStringLiteral("12"));
            QTest::keyClick(edit, Qt::Key_Escape);
            break;
        case Act::Frame:
            typeText(edit, QStringLiteral("12"));
            prompt->windowHandle()->close();
            break;
        }
    }

    // Whether the box is exposed; under a compositor that comes some time after it is shown. A
    // box that stays hidden fails the test after a few seconds and is answered anyway.
    bool onScreen(QWidget *box)
    {
        if (box->windowHandle() && box->windowHandle()->isExposed()) {
            m_hidden.invalidate();
            return true;
        }
        if (!m_hidden.isValid())
            m_hidden.start();
        if (m_hidden.elapsed() < 5000)
            return false;
        ADD_FAILURE() << "a box never came on screen";
        m_hidden.invalidate();
        return true;
    }

    std::deque<Reply> m_replies;
    QWidget *m_window = nullptr;
    QTimer m_poll;
    QElapsedTimer m_hidden;
};
