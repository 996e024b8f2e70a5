// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace kibbo {

// An exclusive lock on a folder, held from construction to destruction, so
// that programs changing the player's files there take turns: one reads,
// changes and saves while the others wait. It is the kernel's lock on the
// folder itself (flock), so it needs no file of its own, works in a folder
// the player may only read, and a killed holder releases it at once.
class FolderLock {
public:
    // Waits until the lock is held. A folder that cannot be opened is not
    // locked; whatever the caller then does with it fails on its own.
    explicit FolderLock(const std::string& folder);
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    ~FolderLock();

    bool held() const { return m_held; }

private:
    int m_fd = -1;
    bool m_held = false;
};

} // namespace kibbo
