// kibbo-tool: the catalogue and the guide conversion from the command line,
// for players who want to practise a name and for maintainers checking the
// guides under a preference file.
#include "platform/FileIO.h"
#include "platform/ProgramPath.h"
#include "prefs/KeyPrefs.h"
#include "typing/DogTable.h"
#include "typing/Guide.h"

#include <QCoreApplication>
#include <QString>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kUsageError = 2;

const char* const kUsage = "usage: kibbo-tool catalogue [--prefs FILE] | guide [--prefs FILE] READING...";

int Fail(const std::string& message)
{
    std::fprintf(stderr, "kibbo-tool: %s\n", message.c_str());
    return kUsageError;
}

std::string Utf8(std::u16string_view text)
{
    return QString::fromStdU16String(std::u16string(text)).toStdString();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    if (args.empty())
        return Fail(kUsage);

    const std::string command = args.front();
    if (command != "catalogue" && command != "guide")
        return Fail("unknown command '" + command + "'; " + kUsage);

    std::optional<std::string> prefsFile;
    std::vector<std::string> readings;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--prefs") {
            if (i + 1 >= args.size())
                return Fail("--prefs needs a file name");
            prefsFile = args[++i];
        } else if (args[i].starts_with("--")) {
            return Fail("unknown option '" + args[i] + "'");
        } else {
            readings.push_back(args[i]);
        }
    }
    if (command == "catalogue" && !readings.empty())
        return Fail("catalogue takes no readings");
    if (command == "guide" && readings.empty())
        return Fail("guide needs at least one reading");

    kibbo::KeyPrefs prefs{};
    if (prefsFile) {
        if (!kibbo::LoadKeyPrefs(*prefsFile, prefs))
            return Fail("cannot read preference file '" + *prefsFile + "'");
    } else {
        // The game's own settings; standard spellings when there are none yet.
        kibbo::LoadKeyPrefs(kibbo::JoinProgramPath(QCoreApplication::applicationDirPath().toStdString(),
                                                   "data\\key.ini"),
                            prefs);
    }

    if (command == "catalogue") {
        for (int i = 0; i < kibbo::kDogCount; ++i) {
            const kibbo::DogEntry& dog = kibbo::dogTable[static_cast<std::size_t>(i)];
            std::printf("%d\t%s\t%s\t%.*s\t%s\n", i, Utf8(dog.dogName).c_str(), Utf8(dog.dogYomi).c_str(),
                        static_cast<int>(dog.dogPic.size()), dog.dogPic.data(),
                        Utf8(kibbo::MakeGuide(dog.dogYomi, prefs)).c_str());
        }
        return 0;
    }
    for (const std::string& reading : readings) {
        const std::u16string yomi = QString::fromLocal8Bit(reading.c_str()).toStdU16String();
        std::printf("%s\n", Utf8(kibbo::MakeGuide(yomi, prefs)).c_str());
    }
    return 0;
}
