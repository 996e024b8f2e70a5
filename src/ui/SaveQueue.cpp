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
    {
        const std::lock_guard lock(m_mutex);
        ++m_unwritten;
    }
    QMetaObject::invokeMethod(
        m_worker,
        [this, work = std::move(work), deliver = std::move(deliver)]() mutable {
            work();
            // Queued before the count drops, so that drain finds it waiting.
            QMetaObject::invokeMethod(&m_results, std::move(deliver), Qt::QueuedConnection);
            const std::lock_guard lock(m_mutex);
            --m_unwritten;
            m_written.notify_all();
        },
        Qt::QueuedConnection);
}

void SaveQueue::drain()
{
    do {
        {
            std::unique_lock lock(m_mutex);
            m_written.wait(lock, [this] { return m_unwritten == 0; });
        }
        // The results, which may hand over further saves.
        QCoreApplication::sendPostedEvents(&m_results, QEvent::MetaCall);
    } while (!idle());
}

bool SaveQueue::idle() const
{
    const std::lock_guard lock(m_mutex);
    return m_unwritten == 0;
}

} // namespace kibbo
