// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>

#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <string_view>

namespace kibbo {

// The pictures of the program folder, each decoded once: the walker's
// frames are shown ten times a second, and no tick may wait for the disk.
// A file that cannot be loaded is said once on stderr and stays a null
// picture.
class PictureCache {
public:
    // The main window says a whole folder gone once, not for every dog; a
    // window of a few pictures names each one it cannot show.
    enum class Missing { SayFolderOnce, SayEachPicture };

    explicit PictureCache(std::string programFolder, Missing missing = Missing::SayFolderOnce);

    // relativePath as the game writes it ("ani\wall.gif").
    const QPixmap& picture(std::string_view relativePath);
    // Decodes these now, so that showing them later waits for nothing.
    template <class Paths>
    void decode(const Paths& relativePaths)
    {
        for (std::string_view path : relativePaths)
            picture(path);
    }
    void decode(std::initializer_list<std::string_view> relativePaths) { decode<>(relativePaths); }

private:
    void warnMissing(const std::string& path);

    std::string m_programFolder;
    Missing m_missing;
    std::map<std::string, QPixmap, std::less<>> m_pictures;
    std::set<std::string> m_missingFolders;
};

} // namespace kibbo
