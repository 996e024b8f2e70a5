// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ShiftJis.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>

namespace kibbo {

namespace {

// One conversion descriptor per call: iconv keeps shift state, and these are
// short texts read or written a few times per game.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Converter()
    {
        if (valid())
            iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return m_cd; }

private:
    iconv_t m_cd;
};

} // namespace

std::optional<std::string> EncodeShiftJis(std::u16string_view text)
{
    Converter cd("CP932", "UTF-16LE");
    if (!cd.valid())
        return std::nullopt;
    std::string in;
    in.reserve(text.size() * 2);
    for (char16_t c : text) {
        in.push_back(static_cast<char>(c & 0xFF));
        in.push_back(static_cast<char>(c >> 8));
    }
    // Every character takes at most two bytes in Shift-JIS.
    std::string out(text.size() * 2, '\0');
    char* inPtr = in.data();
    char* outPtr = out.data();
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    if (iconv(cd.get(), &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0)
        return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

std::u16string DecodeShiftJis(std::string_view bytes)
{
    std::u16string text;
    Converter cd("UTF-16LE", "CP932");
    if (!cd.valid())
        return text;
    std::string in(bytes);
    char* inPtr = in.data();
    std::size_t inLeft = in.size();
    while (inLeft > 0) {
        char buffer[256];
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t rc = iconv(cd.get(), &inPtr, &inLeft, &outPtr, &outLeft);
        const int error = rc == static_cast<std::size_t>(-1) ? errno : 0;
        for (char* p = buffer; p + 1 < outPtr; p += 2)
            text.push_back(static_cast<char16_t>(static_cast<unsigned char>(p[0])
                                                 | static_cast<unsigned char>(p[1]) << 8));
        if (error == EILSEQ || error == EINVAL) {
            // A bad or cut-off byte costs one replacement character only.
            text.push_back(u'\uFFFD');
            ++inPtr;
            --inLeft;
        } else if (error != 0 && error != E2BIG) {
            break;
        }
    }
    return text;
}

} // namespace kibbo
