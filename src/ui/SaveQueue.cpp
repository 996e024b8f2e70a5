// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SaveQueue.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <utility>

namespace kibbo {

SaveQueue::SaveQueue()
    : m_worker(new QObject)
{
    m_thread.setObjectName(QStringLiteral("kibbo saves"));
    m_worker->moveToThread(&m_thread);
    QObject::connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread.start();
}

SaveQueue::~SaveQueue()
{
    drain();
    m_thread.quit();
    m_thread.wait();
}

void SaveQueue::run(std::function<void()> work, std::function<void()> deliver)
{
    ++m_undelivered;
    {
        const std::lock_guard lock(m_mutex);
        ++m_unwritten;
    }
    auto delivery = [this, deliver = std::move(deliver)] {
        // Counted off first: the result may hand over a save of its own.
        --m_undelivered;
        deliver();
    };
    QMetaObject::invokeMethod(
        m_worker,
        [this, work = std::move(work), delivery = std::move(delivery)]() mutable {
            work();
            // Queued before the count drops, so that drain finds it waiting.
            QMetaObject::invokeMethod(&m_results, std::move(delivery), Qt::QueuedConnection);
            const std::lock_guard lock(m_mutex);
            --m_unwritten;
            m_written.notify_all();
        },
        Qt::QueuedConnection);
}

void SaveQueue::drain()
{
    while (m_undelivered > 0) {
        {
            std::unique_lock lock(m_mutex);
            m_written.wait(lock, [this] { return m_unwritten == 0; });
        }
        // The results, which may hand over further saves.
        QCoreApplication::sendPostedEvents(&m_results, QEvent::MetaCall);
    }
}

bool SaveQueue::idle() const
{
    return m_undelivered == 0;
}

} // namespace kibbo
