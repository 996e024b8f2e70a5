#include "DataFiles.h"

#include "FileOut.h"
#include "platform/PrintForm.h"
#include "prefs/KeyPrefs.h"

#include <iconv.h>

#include <filesystem>

namespace artgen {

std::optional<std::string> ToShiftJis(const std::string& utf8)
{
    iconv_t cd = iconv_open("CP932", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    std::string in = utf8;
    std::string out(in.size() * 2 + 4, '\0');
    char* inPtr = in.data();
    char* outPtr = out.data();
    std::size_t inLeft = in.size(), outLeft = out.size();
    const std::size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1) || inLeft != 0)
        return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

std::string FirstRankingBytes()
{
    // Each score is what a finished game would give (speed x 77 - mistypes x 123),
    // from a quick typist down to a beginner who just made it home.
    struct Place {
        int speed, mistypes;
        const char* name;
    };
    static constexpr Place places[] = {
        {168, 9, "ポチ"},    {151, 14, "Hana"},  {137, 12, "さくら"}, {122, 18, "Taro"},
        {109, 15, "コタロウ"}, {95, 21, "Momo"}, {80, 24, "はち"},
    };
    std::string bytes;
    for (const Place& p : places) {
        bytes += kibbo::PrintNumberLine(p.speed * 77 - p.mistypes * 123);
        bytes += ToShiftJis(p.name).value_or(std::string());
        bytes += "\r\n";
    }
    return bytes;
}

bool WriteFirstDataFiles(const std::string& distDir)
{
    namespace fs = std::filesystem;
    const fs::path data = fs::path(distDir) / "data";
    std::error_code ec;
    fs::create_directories(data, ec);
    bool ok = true;
    if (!fs::exists(data / "key.ini"))
        ok = WriteBytes((data / "key.ini").string(), kibbo::FormatKeyPrefs(kibbo::KeyPrefs{})) && ok;
    if (!fs::exists(data / "score.kib"))
        ok = WriteBytes((data / "score.kib").string(), FirstRankingBytes()) && ok;
    return ok;
}

} // namespace artgen
