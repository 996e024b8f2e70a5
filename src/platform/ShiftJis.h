// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kibbo {

// Names in the ranking file are kept in Shift-JIS as Windows writes it (code
// page 932), so that ①, ～ and half-width kana survive the round trip.

// The Shift-JIS bytes of a text; nothing when any character has no
// Shift-JIS form (an emoji, say).
std::optional<std::string> EncodeShiftJis(std::u16string_view text);

// The text of Shift-JIS bytes. A byte sequence that is not Shift-JIS becomes
// U+FFFD, one per bad byte, and the rest is still read.
std::u16string DecodeShiftJis(std::string_view bytes);

} // namespace kibbo
