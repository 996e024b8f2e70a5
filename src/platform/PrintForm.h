// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kibbo {

// The form every data file writes a number in: a blank (or the minus sign)
// in front, the digits, a blank behind, then CR LF.
std::string PrintNumberLine(std::int64_t value);

// Reads the fields of a data file in order, the way they were printed.
class FieldReader {
public:
    explicit FieldReader(std::string_view bytes) : m_bytes(bytes) {}

    // A numeric field: blanks, CR and LF in front are skipped; an optional
    // minus and the digits form the number; the blanks behind it and one
    // comma or line end are passed over. Empty when the field is not a
    // number (no digits, or other characters before its end), does not fit
    // 64 bits, or the data has run out; the reader still moves past the
    // field, so the next one is read in its place.
    std::optional<std::int64_t> readNumber();

    // The rest of the current line, whatever it holds, without its line end
    // (CR LF, CR or LF), which is passed over. Empty when the data has run out.
    std::optional<std::string> readLine();

    bool atEnd() const { return m_pos >= m_bytes.size(); }

private:
    void skipFieldEnd();

    std::string_view m_bytes;
    std::size_t m_pos = 0;
};

} // namespace kibbo
