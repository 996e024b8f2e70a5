// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileIO.h"
#include "store/DataKeeper.h"
#include "store/FileStore.h"

#include <functional>
#include <optional>
#include <string>

namespace kibbo::test {

// An options change that sets only any_spelling.
inline std::function<void(Options&)> SetAnySpelling(bool on)
{
    return [on](Options& options) { options.anySpelling = on; };
}

// A file store on one data folder that saves at once, as kibbo-tool's does.
class StoreAt {
public:
    explicit StoreAt(const std::string& folder)
        : StoreAt(PlayerFiles::In(folder))
    {
    }
    explicit StoreAt(PlayerFiles files)
        : m_store(std::move(files), m_runner)
    {
    }

    // Every player file at one path, for a file that is no plain file (a
    // link, a pipe, a huge file).
    static PlayerFiles AllAt(const std::string& path)
    {
        return {FolderOf(path), path, path, path, path, path, path};
    }

    FileStore& operator*() { return m_store; }
    FileStore* operator->() { return &m_store; }
    // The player's data in memory over this store, current with the files
    // as they are now, as the folder's watch would keep it.
    DataKeeper& keeper()
    {
        if (!m_keeper) {
            m_keeper.emplace(m_store);
            m_keeper->load();
        }
        m_keeper->lookAgain();
        return *m_keeper;
    }

private:
    RunAtOnce m_runner;
    FileStore m_store;
    std::optional<DataKeeper> m_keeper;
};

} // namespace kibbo::test
