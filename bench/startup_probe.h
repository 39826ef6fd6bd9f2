// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>
#include <QWindow>

#include <sys/resource.h>

#include <cstdio>
#include <ctime>

// Prints the wall-clock time at which the window with a title is first
// exposed on the screen, then quits; and the peak resident memory when the
// program ends. The measuring script takes the time before it starts the
// process. Watches every event from before the window exists.
class ShownProbe : public QObject {
public:
    explicit ShownProbe(QString title) : m_title(std::move(title)) { QCoreApplication::instance()->installEventFilter(this); }

    static void printPeakMemory()
    {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("peak_rss_kib=%ld\n", usage.ru_maxrss);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = qobject_cast<QWindow*>(watched);
        if (!m_seen && event->type() == QEvent::Expose && window && window->isExposed() &&
            window->title() == m_title) {
            m_seen = true;
            timespec now{};
            clock_gettime(CLOCK_REALTIME, &now);
            std::printf("shown_ns=%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
            QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return false;
    }

private:
    QString m_title;
    bool m_seen = false;
};
