// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/FileStore.h"

#include <QObject>
#include <QThread>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace kibbo {

// The one way the game reaches the player's files once its window is up:
// every read and save runs on one thread beside the window, in the order
// handed over, and its result is delivered back on the thread that made the
// queue. A save waits until the disk has the file, and even a read can wait
// behind another program's flush, far longer than a frame; the window never
// waits for either.
class DiskQueue final : public DiskRunner {
public:
    DiskQueue();
    DiskQueue(const DiskQueue&) = delete;
    DiskQueue& operator=(const DiskQueue&) = delete;
    // Drains, then ends the thread.
    ~DiskQueue() override;

    void run(std::function<void()> work, std::function<void()> deliver) override;
    // The watch itself runs on the queue's thread too.
    void watch(std::vector<std::string> paths, std::function<void()> changed) override;

    // Returns once every piece of work handed over so far (and all handed
    // over by the results delivered meanwhile) is done and its result
    // delivered: at start-up, on quit, and for tests.
    void drain();
    // No work handed over whose result is still to come.
    bool idle() const;

private:
    QThread m_thread;
    QObject* m_worker = nullptr; // lives on m_thread
    QObject m_results;           // lives on the thread that made the queue
    // Where the watch's reports arrive; gone with the queue, and with it
    // any report still on its way.
    QObject m_changes;
    mutable std::mutex m_mutex;
    std::condition_variable m_written;
    int m_unwritten = 0;   // handed to the thread, not yet done
    int m_undelivered = 0; // handed over, result not yet delivered; the caller's thread only
};

} // namespace kibbo
