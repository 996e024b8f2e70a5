// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>

#ifndef KIBBO_VERSION
#error "KIBBO_VERSION, the package's version, comes from the build"
#endif

// What both programs print for --version: the package's version and the
// licence, as every command-line program on the system does.
inline void PrintVersion(const char* program)
{
    std::printf("%s %s\n"
                "Copyright 2026 Kibbo Developers\n"
                "License GPL-3.0-or-later: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
                "This is free software: you are free to change and redistribute it.\n"
                "There is NO WARRANTY, to the extent permitted by law.\n",
                program, KIBBO_VERSION);
}
