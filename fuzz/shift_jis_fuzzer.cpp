// SPDX-License-Identifier: GPL-3.0-or-later
// Ranking names: Shift-JIS bytes from the file into text and back.
#include "FuzzCheck.h"
#include "platform/ShiftJis.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using kibbo::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::u16string text = kibbo::DecodeShiftJis(bytes);
    Require(text.size() <= bytes.size(), "each character comes from at least one byte");
    if (text.find(u'\uFFFD') != std::u16string::npos)
        return 0;

    // Text read cleanly has a Shift-JIS form that reads as the same text
    // (not always the same bytes: code page 932 has twin codes for some
    // characters).
    const auto encoded = kibbo::EncodeShiftJis(text);
    Require(encoded.has_value(), "text read from Shift-JIS can be written in Shift-JIS");
    Require(kibbo::DecodeShiftJis(*encoded) == text, "written text reads back the same");
    return 0;
}
