// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DataFolder.h"

#include "platform/AssetFolder.h"
#include "platform/FileIO.h"
#include "platform/FolderLock.h"
#include "platform/PlayerFiles.h"
#include "platform/ProgramPath.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kibbo {

namespace {

bool IsWritableFolder(const std::string& folder)
{
    const QFileInfo info(QString::fromStdString(folder));
    return info.isDir() && info.isWritable();
}

// Copies each default the player does not have yet; a failed copy leaves the
// game to treat the file as missing, as it would anywhere else.
// The last score only appears after a cleared game, so there is nothing to
// copy for it.
void SeedPlayerFolder(const std::string& defaults, const std::string& player)
{
    const PlayerFiles from = PlayerFiles::In(defaults);
    const PlayerFiles to = PlayerFiles::In(player);
    // A save by a game already running must not be replaced by a default.
    const FolderLock lock(to.folder);
    for (const auto file : {&PlayerFiles::keyPrefs, &PlayerFiles::ranking}) {
        if (QFileInfo::exists(QString::fromStdString(to.*file)))
            continue;
        const Loaded<std::string> bytes = ReadSmallFile(from.*file);
        if (bytes.state == ReadState::Loaded)
            WriteFileAtomically(to.*file, bytes.value);
    }
}

} // namespace

std::string ChooseDataFolder(const std::string& programFolder, const std::string& playerDataHome,
                             const WritableTest& isWritable)
{
    const std::string beside = JoinProgramPath(programFolder, kDataFolder);
    if (isWritable(beside) || playerDataHome.empty())
        return beside;
    const std::string player = JoinProgramPath(JoinProgramPath(playerDataHome, "kibbo"), kDataFolder);
    if (!QDir().mkpath(QString::fromStdString(player)))
        return beside;
    SeedPlayerFolder(beside, player);
    return player;
}

std::string ChooseDataFolder(const std::string& programDir)
{
    const std::string assets = AssetFolder(programDir);
    const bool installed = assets != programDir;
    // Qt follows the XDG rule: $XDG_DATA_HOME when set, else ~/.local/share.
    const QString home = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return ChooseDataFolder(assets, home.toStdString(),
                            installed ? WritableTest([](const std::string&) { return false; }) : IsWritableFolder);
}

std::string ProvideNamedDataFolder(const std::string& programDir, const std::string& folder)
{
    const QString path = QFileInfo(QString::fromStdString(folder)).absoluteFilePath();
    if (folder.empty() || !QDir().mkpath(path) || !IsWritableFolder(path.toStdString()))
        return {};
    const std::string named = QDir(path).canonicalPath().toStdString();
    SeedPlayerFolder(JoinProgramPath(AssetFolder(programDir), kDataFolder), named);
    return named;
}

} // namespace kibbo
