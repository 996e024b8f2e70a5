// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PrintForm.h"

#include <limits>

namespace kibbo {

std::string PrintNumberLine(std::int64_t value)
{
    std::string line = value < 0 ? "-" : " ";
    // Through unsigned, so the most negative value prints too.
    std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value)
                                        : static_cast<std::uint64_t>(value);
    line += std::to_string(magnitude);
    line += " \r\n";
    return line;
}

void FieldReader::skipFieldEnd()
{
    while (m_pos < m_bytes.size() && m_bytes[m_pos] == ' ')
        ++m_pos;
    if (m_pos >= m_bytes.size())
        return;
    if (m_bytes[m_pos] == ',') {
        ++m_pos;
    } else if (m_bytes[m_pos] == '\r') {
        ++m_pos;
        if (m_pos < m_bytes.size() && m_bytes[m_pos] == '\n')
            ++m_pos;
    } else if (m_bytes[m_pos] == '\n') {
        ++m_pos;
    }
}

std::optional<std::int64_t> FieldReader::readNumber()
{
    while (m_pos < m_bytes.size()
           && (m_bytes[m_pos] == ' ' || m_bytes[m_pos] == '\r' || m_bytes[m_pos] == '\n'
               || m_bytes[m_pos] == '\t'))
        ++m_pos;
    if (atEnd())
        return std::nullopt;

    bool negative = false;
    if (m_bytes[m_pos] == '-') {
        negative = true;
        ++m_pos;
    }
    bool anyDigit = false;
    bool overflow = false;
    std::uint64_t magnitude = 0;
    constexpr std::uint64_t limit = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    while (m_pos < m_bytes.size() && m_bytes[m_pos] >= '0' && m_bytes[m_pos] <= '9') {
        anyDigit = true;
        const auto digit = static_cast<std::uint64_t>(m_bytes[m_pos] - '0');
        // Checked before multiplying: a wrapped value could look small again.
        if (magnitude > (limit - digit) / 10)
            overflow = true;
        else
            magnitude = magnitude * 10 + digit;
        ++m_pos;
    }

    while (m_pos < m_bytes.size() && m_bytes[m_pos] == ' ')
        ++m_pos;
    const bool fieldEnds = atEnd() || m_bytes[m_pos] == ',' || m_bytes[m_pos] == '\r'
                           || m_bytes[m_pos] == '\n';
    if (!fieldEnds) {
        // Not a number ("12abc", "x"): pass over the rest of the field, so
        // that one bad field costs one value and the next is read in its place.
        while (m_pos < m_bytes.size() && m_bytes[m_pos] != ',' && m_bytes[m_pos] != '\r'
               && m_bytes[m_pos] != '\n')
            ++m_pos;
    }
    skipFieldEnd();
    if (!anyDigit || overflow || !fieldEnds)
        return std::nullopt;
    return negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
}

std::optional<std::string> FieldReader::readLine()
{
    if (atEnd())
        return std::nullopt;
    const std::size_t start = m_pos;
    while (m_pos < m_bytes.size() && m_bytes[m_pos] != '\r' && m_bytes[m_pos] != '\n')
        ++m_pos;
    std::string line(m_bytes.substr(start, m_pos - start));
    if (m_pos < m_bytes.size() && m_bytes[m_pos] == '\r')
        ++m_pos;
    if (m_pos < m_bytes.size() && m_bytes[m_pos] == '\n')
        ++m_pos;
    return line;
}

} // namespace kibbo
