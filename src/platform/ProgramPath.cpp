#include "platform/ProgramPath.h"

#include <algorithm>

namespace kibbo {

std::string JoinProgramPath(std::string_view folder, std::string_view relative)
{
    std::string path(folder);
    std::replace(path.begin(), path.end(), '\\', '/');
    if (path.empty() || path.back() != '/')
        path += '/';
    std::string rel(relative);
    std::replace(rel.begin(), rel.end(), '\\', '/');
    path += rel;
    return path;
}

} // namespace kibbo
