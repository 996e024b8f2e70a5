// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <cstdlib>

namespace kibbo::fuzz {

// A broken promise of a reader is a crash to libFuzzer, which then keeps the
// input that showed it.
inline void Require(bool holds, const char* promise)
{
    if (holds)
        return;
    std::fprintf(stderr, "broken: %s\n", promise);
    std::abort();
}

} // namespace kibbo::fuzz
