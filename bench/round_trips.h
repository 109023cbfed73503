// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Prompt round trips, measured as a user meets them: a prompt box is answered by typing the
// reply into its edit line and pressing Enter there; the round trip lasts from that key press
// to the Show event of the next prompt box. A message box in between is answered with Enter
// and the round trip across it is not counted. Prints one "round_trip_ns" line per round trip.

#include "probe.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace bench {

class RoundTrips final : public QObject
{
public:
    // Replies in order; a prompt beyond them is answered with an empty line.
    explicit RoundTrips(QStringList replies)
        : m_replies(std::move(replies))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

    void print() const
    {
        for (const std::int64_t sample : m_samples)
            report("round_trip_ns", sample);
        report("prompts", m_prompts);
        std::fflush(stdout);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Show)
            return QObject::eventFilter(watched, event);
        if (auto *dialog = qobject_cast<QInputDialog *>(watched)) {
            const std::int64_t shownAt = monotonicNs();
            if (m_enterAt != 0)
                m_samples.push_back(shownAt - m_enterAt);
            m_enterAt = 0;
            if (++m_prompts > maxPrompts) {
                std::fputs("too many prompts: the replies do not fit the run\n", stderr);
                std::_Exit(1);
            }
            // Answered from inside the box's own event loop, as a user would.
            QTimer::singleShot(0, dialog, [this, dialog] { answer(dialog); });
        } else if (auto *box = qobject_cast<QMessageBox *>(watched)) {
            m_enterAt = 0;
            QTimer::singleShot(0, box, [box] { pressEnter(box); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static constexpr int maxPrompts = 100'000;

    static void sendKey(QWidget *widget, QEvent::Type type, int key, const QString &text)
    {
        QKeyEvent event(type, key, Qt::NoModifier, text);
        QApplication::sendEvent(widget, &event);
    }

    static void pressEnter(QWidget *widget)
    {
        QPointer<QWidget> target(widget);
        sendKey(widget, QEvent::KeyPress, Qt::Key_Return, QStringLiteral("\r"));
        if (target)
            sendKey(target, QEvent::KeyRelease, Qt::Key_Return, QStringLiteral("\r"));
    }

    void answer(QInputDialog *dialog)
    {
        auto *edit = dialog->findChild<QLineEdit *>();
        if (!edit) {
            std::fputs("a prompt box without an edit line\n", stderr);
            std::_Exit(1);
        }
        const QString reply = m_replies.isEmpty() ? QString() : m_replies.takeFirst();
        for (const QChar ch : reply) {
            sendKey(edit, QEvent::KeyPress, Qt::Key_unknown, QString(ch));
            sendKey(edit, QEvent::KeyRelease, Qt::Key_unknown, QString(ch));
        }
        m_enterAt = monotonicNs();
        pressEnter(edit);
    }

    QStringList m_replies;
    std::vector<std::int64_t> m_samples;
    std::int64_t m_enterAt = 0;
    int m_prompts = 0;
};

} // namespace bench
