// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Installs an application-wide event filter as the QApplication is constructed and waits for the
// first paint of the awaited window; reads the memory 1.5 s after it, and by then needs whatever
// the program readies after its first paint to be ready.
#include "startprobe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#include <sys/resource.h>

namespace {

// How long after the first paint the memory is read. The event loop runs meanwhile, so whatever a
// program does once it is idle (loading a plug-in, say) counts in the memory.
constexpr int MemoryDelayMs = 1500;

long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// The process's resident set from /proc/self/status, in kB; -1 when it cannot be read.
long residentKilobytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

// The CPU time (user + sys) of the whole process so far, every thread included.
long long cpuNanoseconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ns = [](const timeval &t) {
        return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_usec * 1000LL;
    };
    return ns(usage.ru_utime) + ns(usage.ru_stime);
}

// Whether a library of Qt Multimedia is mapped into the process; -1 when the map cannot be read.
int multimediaMapped() {
    std::ifstream maps("/proc/self/maps");
    if (!maps)
        return -1;
    for (std::string line; std::getline(maps, line);) {
        if (line.find("libQt6Multimedia") != std::string::npos)
            return 1;
    }
    return 0;
}

[[noreturn]] void finish(int code) {
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(code);
}

class FirstPaint : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (m_seen || event->type() != QEvent::Paint || !watched->isWidgetType())
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        if (!widget->isWindow())
            return false;
        QString why;
        switch (startWindowState(widget, &why)) {
        case StartWindow::Other:
            return false;
        case StartWindow::Wrong:
            std::fprintf(stderr, "start probe: %s\n", qPrintable(why));
            finish(2);
        case StartWindow::Ready:
            break;
        }
        m_seen = true;
        // Watched from this paint event on, before anything the program queues for after it, so
        // that no report is missed; one that comes before the pass is over counts as at the paint.
        m_awaited = watchStartReady(widget, [this](bool ready, const QString &why) {
            if (!ready) {
                std::fprintf(stderr, "start probe: %s\n", qPrintable(why));
                finish(4);
            }
            if (m_readyNs < 0)
                m_readyNs = monotonicNanoseconds();
        });
        // The window's own paint event comes first in a pass that then paints its children and
        // hands the finished picture to the X server. The queued call runs when control is back
        // in the event loop, that is when the whole pass is over.
        QTimer::singleShot(0, this, [this] {
            const long long painted = monotonicNanoseconds();
            const long long cpu = cpuNanoseconds();
            std::printf("painted_ns=%lld cpu_ns=%lld\n", painted, cpu);
            std::fflush(stdout);
            QTimer::singleShot(MemoryDelayMs, Qt::PreciseTimer, this, [this, painted] {
                const long rss = residentKilobytes();
                const int multimedia = multimediaMapped();
                std::printf("rss_delay_ms=%d rss_kb=%ld multimedia=%d\n", MemoryDelayMs, rss,
                            multimedia);
                if (!m_awaited.isEmpty()) {
                    if (m_readyNs < 0) {
                        std::fprintf(stderr,
                                     "start probe: %s is still not ready %d ms after the first "
                                     "paint\n",
                                     qPrintable(m_awaited), MemoryDelayMs);
                        finish(4);
                    }
                    std::printf("ready_after_ns=%lld\n", std::max(0LL, m_readyNs - painted));
                }
                finish(rss > 0 && multimedia >= 0 ? 0 : 3);
            });
        });
        return false;
    }

  private:
    bool m_seen = false;
    // What the program readies after its first paint; empty when nothing.
    QString m_awaited;
    // When the program reported it ready (CLOCK_MONOTONIC); -1 until then.
    long long m_readyNs = -1;
};

void installFirstPaint() {
    QCoreApplication *app = QCoreApplication::instance();
    app->installEventFilter(new FirstPaint(app));
}

// Runs before main(); the routine itself runs inside the QApplication constructor.
const bool registered = [] {
    qAddPreRoutine(installFirstPaint);
    return true;
}();

} // namespace
