#include "platform/DataFolder.h"
#include "platform/sdl/SdlSound.h"
#include "ui/MainForm.h"

#include <QApplication>
#include <QTime>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>

namespace {

// --trace: one line per game event on stderr, flushed at once, so that a
// game can be attached to a bug report or followed by a test.
void TraceLine(std::string_view line)
{
    std::fprintf(stderr, "%.*s\n", static_cast<int>(line.size()), line.data());
    std::fflush(stderr);
}

// Without a display the window system would abort the program with several
// lines of its own; one line says what to do.
bool HasDisplay()
{
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY")
           || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char* argv[])
{
    if (!HasDisplay()) {
        std::fprintf(stderr, "kibbo: no display to open the window on; start it on a desktop, or headless "
                             "with xvfb-run -a kibbo\n");
        return 1;
    }
    QApplication app(argc, argv);
    std::function<void(std::string_view)> trace;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--trace") == 0) {
            trace = TraceLine;
        } else {
            std::fprintf(stderr, "kibbo: unknown option '%s'; the only option is --trace\n", argv[i]);
            return 2;
        }
    }
    const std::string programFolder = QCoreApplication::applicationDirPath().toStdString();
    // An installed game keeps the player's files in the player's own data
    // folder; either way the files lie in a folder named data.
    const std::string dataFolder = kibbo::ChooseDataFolder(programFolder);
    const std::string dataRoot = dataFolder.substr(0, dataFolder.rfind('/'));
    if (dataRoot != programFolder)
        std::fprintf(stderr, "kibbo: your settings and scores are kept in %s\n", dataFolder.c_str());
    kibbo::SdlSound sound;
    kibbo::MainForm form(sound, programFolder, [] { return QTime::currentTime().second(); }, trace, dataRoot);
    form.game().formLoad();
    form.show();
    // The sound device and the music's font load in a thread of their own,
    // started once the window is on its way to the screen.
    QTimer::singleShot(0, &form, [&sound] { sound.start(); });
    return app.exec();
}
