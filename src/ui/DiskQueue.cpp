// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DiskQueue.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QMetaObject>

#include <utility>

namespace kibbo {

DiskQueue::DiskQueue()
    : m_worker(new QObject)
{
    m_thread.setObjectName(QStringLiteral("kibbo disk"));
    m_worker->moveToThread(&m_thread);
    QObject::connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread.start();
}

DiskQueue::~DiskQueue()
{
    drain();
    m_thread.quit();
    m_thread.wait();
}

void DiskQueue::run(std::function<void()> work, std::function<void()> deliver)
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

void DiskQueue::watch(std::vector<std::string> paths, std::function<void()> changed)
{
    QMetaObject::invokeMethod(
        m_worker,
        [this, paths = std::move(paths), changed = std::move(changed)] {
            auto* watcher = new QFileSystemWatcher(m_worker);
            // A save replaces a file by another, which ends the watch on it;
            // the folder's own watch sees the new one come, and every file
            // there is watched again.
            const auto watchFiles = [watcher, paths] {
                QStringList there;
                for (const std::string& path : paths) {
                    const QString name = QString::fromStdString(path);
                    if (QFileInfo::exists(name))
                        there.append(name);
                }
                there.removeIf([watcher](const QString& name) {
                    return watcher->files().contains(name) || watcher->directories().contains(name);
                });
                if (!there.isEmpty())
                    watcher->addPaths(there);
            };
            const auto report = [this, watchFiles, changed] {
                watchFiles();
                QMetaObject::invokeMethod(&m_changes, changed, Qt::QueuedConnection);
            };
            QObject::connect(watcher, &QFileSystemWatcher::fileChanged, watcher, report);
            QObject::connect(watcher, &QFileSystemWatcher::directoryChanged, watcher, report);
            watchFiles();
        },
        Qt::QueuedConnection);
}

void DiskQueue::drain()
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

bool DiskQueue::idle() const
{
    return m_undelivered == 0;
}

} // namespace kibbo
