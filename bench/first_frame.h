// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Start-up probe for the start-up benchmark's programs: notes when main() began, when the
// application and the window were built, and when the window's first frame was painted (the
// first paint of the window, then everything else the same paint pass draws), prints those
// moments and ends the program.

#include "probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <cstdint>

namespace bench {

class FirstFrame final : public QObject
{
public:
    // `mainAt`: when main() began, before the application was built.
    explicit FirstFrame(std::int64_t mainAt)
        : m_mainAt(mainAt)
        , m_appAt(monotonicNs())
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

    // Call once the window is built, before it is shown.
    void watch(QWidget *window)
    {
        m_builtAt = monotonicNs();
        m_window = window;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_paintAt == 0 && m_window) {
            auto *widget = qobject_cast<QWidget *>(watched);
            if (widget && widget->window() == m_window) {
                m_paintAt = monotonicNs();
                // A zero timer runs after the paint pass that painted this widget: the whole
                // frame, children included, has then been drawn and flushed.
                QTimer::singleShot(0, this, [this] { finish(); });
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void finish()
    {
        report("main_ns", m_mainAt);
        report("app_ns", m_appAt);
        report("built_ns", m_builtAt);
        report("first_paint_ns", m_paintAt);
        report("frame_ns", monotonicNs());
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    std::int64_t m_mainAt;
    std::int64_t m_appAt;
    std::int64_t m_builtAt = 0;
    std::int64_t m_paintAt = 0;
    QPointer<QWidget> m_window;
};

} // namespace bench
