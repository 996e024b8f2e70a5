// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AssetFolder.h"

#include <filesystem>
#include <system_error>

#ifndef KIBBO_ASSET_DIR
#error "KIBBO_ASSET_DIR, where the install rules put the assets, comes from the build"
#endif

namespace kibbo {

std::string AssetFolder(const std::string& programFolder)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path program(programFolder);
    if (fs::is_directory(program / "ani", error))
        return programFolder;
    const fs::path installed = (program / ".." / KIBBO_ASSET_DIR).lexically_normal();
    if (fs::is_directory(installed, error))
        return installed.string();
    return programFolder;
}

} // namespace kibbo
