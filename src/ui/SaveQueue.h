// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/FileStore.h"

#include <QObject>
#include <QThread>

#include <condition_variable>
#include <functional>
#include <mutex>

namespace kibbo {

// The one way the windows' saves reach the disk: every save is written on
// one thread beside the window, in the order handed over, and its result
// is delivered back on the thread that made the queue. A save waits until
// the disk has the file, which can take far longer than a frame; the window
// never waits for it.
class SaveQueue final : public SaveRunner {
public:
    SaveQueue();
    SaveQueue(const SaveQueue&) = delete;
    SaveQueue& operator=(const SaveQueue&) = delete;
    // Drains, then ends the thread.
    ~SaveQueue() override;

    void run(std::function<void()> work, std::function<void()> deliver) override;

    // Returns once every save handed over so far (and every save handed
    // over by the results delivered meanwhile) is written and its result
    // delivered: on quit, and for tests.
    void drain();
    // No save handed over whose result is still to come.
    bool idle() const;

private:
    QThread m_thread;
    QObject* m_worker = nullptr; // lives on m_thread
    QObject m_results;           // lives on the thread that made the queue
    mutable std::mutex m_mutex;
    std::condition_variable m_written;
    int m_unwritten = 0;   // handed to the thread, not yet written
    int m_undelivered = 0; // handed over, result not yet delivered; the caller's thread only
};

} // namespace kibbo
