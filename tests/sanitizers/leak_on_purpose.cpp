// SPDX-License-Identifier: GPL-3.0-or-later
// Loses a block on purpose: under LeakSanitizer, with the suite's
// suppressions, this must still be reported, or they would hide our leaks.
#include <cstdio>

namespace {

[[gnu::noinline]] int* leak_on_purpose()
{
    return new int[64]{42};
}

} // namespace

int main()
{
    int* block = leak_on_purpose();
    std::printf("%d\n", block[0]);
    block = nullptr;
    return 0;
}
