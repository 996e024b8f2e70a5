// SPDX-License-Identifier: GPL-3.0-or-later
// The numeric and line fields every data file is read with.
#include "FuzzCheck.h"
#include "platform/PrintForm.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using kibbo::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks, bit by bit, whether each field is read as a
    // number or as a line, as the score file mixes them.
    const std::uint8_t pattern = data[0];
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    kibbo::FieldReader reader(bytes);
    for (int field = 0; !reader.atEnd(); ++field) {
        Require(field <= static_cast<int>(bytes.size()), "every field read moves the reader on");
        if (pattern >> (field % 8) & 1) {
            Require(reader.readLine().has_value(), "a line is there until the data runs out");
        } else if (const auto number = reader.readNumber()) {
            // Whatever is read as a number is written back in a form that
            // reads as the same number.
            const std::string printed = kibbo::PrintNumberLine(*number);
            kibbo::FieldReader again(printed);
            Require(again.readNumber() == number, "a number read prints and reads back unchanged");
            Require(again.atEnd(), "a printed number is one whole line");
        }
    }
    Require(!reader.readNumber() && !reader.readLine(), "nothing is read past the end");
    return 0;
}
