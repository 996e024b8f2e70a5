// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileOut.h"

#include <fstream>

namespace artgen {

bool WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

} // namespace artgen
