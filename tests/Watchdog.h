// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QFile>

#include <chrono>
#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <mutex>
#include <thread>
#include <unistd.h>

// Guards a step that could block for good. If the step is still running
// after the time allowed, the watchdog opens the FIFO it was given for
// reading and writing, which releases a reader blocked on it, and records
// that it fired; if the step still does not return, the test program ends
// with a message instead of hanging.
class Watchdog
{
public:
    explicit Watchdog(QString fifo = {}, std::chrono::seconds allowed = std::chrono::seconds(5))
        : m_fifo(QFile::encodeName(fifo))
        , m_thread([this, allowed] { watch(allowed); })
    { }
    ~Watchdog()
    {
        {
            std::lock_guard lock(m_mutex);
            m_done = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }
    bool fired() const { return m_fired; }

private:
    void watch(std::chrono::seconds allowed)
    {
        std::unique_lock lock(m_mutex);
        if (m_wake.wait_for(lock, allowed, [this] { return m_done; }))
            return;
        m_fired = true;
        if (!m_fifo.isEmpty()) {
            const int fd = ::open(m_fifo.constData(), O_RDWR | O_NONBLOCK);
            if (fd >= 0)
                ::close(fd);
        }
        if (!m_wake.wait_for(lock, std::chrono::seconds(5), [this] { return m_done; })) {
            std::fprintf(stderr, "Watchdog: a guarded step blocked and did not return\n");
            std::_Exit(1);
        }
    }

    QByteArray m_fifo;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_done = false;
    std::atomic<bool> m_fired = false;
    std::thread m_thread;
};
