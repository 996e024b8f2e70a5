// SPDX-License-Identifier: GPL-3.0-or-later
// data/options.ini as every dog set-up and the key settings read it.
#include "FuzzCheck.h"
#include "prefs/Options.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using kibbo::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const kibbo::Options options = kibbo::ParseOptions(bytes);

    // What a save writes of it reads back the same: the option, and every
    // other key with its value, in order.
    const kibbo::Options again = kibbo::ParseOptions(kibbo::FormatOptions(options));
    Require(again.anySpelling == options.anySpelling, "options.ini keeps any_spelling");
    Require(again.others == options.others, "options.ini keeps the keys it does not know");
    return 0;
}
